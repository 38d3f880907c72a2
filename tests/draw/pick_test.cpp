#include "draw/rolling.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <array>

using namespace kulbo;
using namespace kulbo::testing;

// In order, values, not texts, are compared; text that is not a number
// starts again at the minimum, and nothing fails. At random, from 1 to the
// whole maximum, whatever the minimum; with no usable maximum, the minimum.
TEST(Rolling, SequentialWrapsAtTheMaximumRandomStaysWithinOneToIt) {
    const char* const cases[][4] = {
        // current, minimum, maximum, next
        {"49", "1", "50", "50"}, {"50", "1", "50", "1"}, {"50", "1", "050", "1"}, {"49", "1", "50.", "50"}, {"5", "1", "5.5", "1"},
        {"4", "1", "5.5", "5"}, {"0.5", "0.5", "3", "1.5"}, {".", "1", "50", "1"}, {"", "1", "50", "1"}, {"3", ".", ".", "."}};
    for (auto& c : cases) EXPECT_EQ(nextInSequence(c[0], c[1], c[2]), c[3]) << c[0] << " in " << c[1] << ".." << c[2];

    FormFixture f;
    f.form.choose(f.form.Option3);
    f.form.Text1.Text = "3";
    f.form.Label5.Caption = "49";
    f.ticks(f.form.Timer1, 2);
    EXPECT_EQ(f.form.Label5.Caption, "3");

    const std::tuple<double, const char*, const char*, const char*> draws[] = {
        {0.0, "1", "50", "1"}, {0.999999999, "1", "50", "50"}, {0.999999999, "1", "5.5", "5"}, {1.0, "1", "50", "50"},
        {0.5, "10", "50", "26"}, {0.3, "1", ".", "1"}, {0.3, "1", "0.5", "1"}, {0.3, "0", "1", "1"}};
    for (auto [r, minimum, maximum, drawn] : draws)
        EXPECT_EQ(randomNumber(r, minimum, maximum), drawn) << r << " in " << minimum << ".." << maximum;
}

// Catching up many periods at once leaves the rolling number where as many
// ticks would, from any state the range boxes can hold.
TEST(Rolling, AdvancingManyPeriodsEqualsTickingThem) {
    const char* texts[] = {"1", "5.", ".01", "0.1", "9.9", "0", ".", "12", "050", "5.5", "999", "50", "7.7"};
    std::mt19937_64 choose(7);
    for (int run = 0; run < 150; ++run) {
        std::string minimum = texts[choose() % std::size(texts)], maximum = texts[choose() % std::size(texts)];
        int mode = static_cast<int>(choose() % 3);  // in order, at random, without repeats
        int lead = static_cast<int>(choose() % 400), periods = static_cast<int>(choose() % 3000);
        double r = std::generate_canonical<double, 53>(choose);
        FormFixture one, many;
        for (FormFixture* f : {&one, &many}) {
            f->form.choose(*std::array{&f->form.Option3, &f->form.Option4, &f->form.Option5}[mode]);
            f->form.Text1.Text = minimum;
            f->form.Text2.Text = maximum;
            f->form.Label5.Caption = minimum;
            f->platform.randomValues.assign(lead + periods, r);
            f->ticks(f->form.Timer1, lead);
        }
        one.ticks(one.form.Timer1, periods);
        many.form.advance(many.form.Timer1, periods);
        ASSERT_EQ(many.form.Label5.Caption, one.form.Label5.Caption)
            << minimum << ".." << maximum << " mode " << mode << ", " << lead << " then " << periods;
    }
}

// The avoided number gives way to the minimum, or, when it is the minimum,
// to the maximum; the announcement names what is shown. Avoidance compares
// texts and must be on.
TEST(Pick, AvoidedNumberGivesWayAndTheAnnouncementNamesTheReplacement) {
    FormFixture f;
    f.form.Text4.Text = "7";
    f.pick("7");
    EXPECT_EQ(f.form.Label4.Caption, "7");

    f.form.select(f.form.Option1);
    f.form.Check1.Value = 1;
    f.form.click(f.form.Command1);
    EXPECT_EQ(std::tuple(f.form.Label4.Caption.get(), f.form.Text6.Text.get()), std::tuple("1", "#2[7]\r\n#2[1]\r\n"));
    EXPECT_EQ(f.platform.boxes, (std::vector<ShownBox>{{"恭喜1号被抽中！", box::kInformation, "Kulbo - 选中的幸运号"}}));

    f.form.Check1.Value = 0;
    for (auto [avoided, rolling, shown] : {std::tuple{"1", "1", "50"}, {"07", "7", "7"}, {"", "7", "7"}}) {
        f.form.Text4.Text = avoided;
        f.pick(rolling);
        EXPECT_EQ(f.form.Label4.Caption, shown) << avoided;
    }
}
