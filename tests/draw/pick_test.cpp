#include "draw/rolling.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <map>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

void useSequentialMode(Form1& form) {
    form.choose(form.Option3);  // straight through the model: no handler side effects
}

}  // namespace

TEST(Rolling, SequentialCountsUpAndWrapsAtTheMaximum) {
    FormFixture f;
    useSequentialMode(f.form);
    std::vector<std::string> seen;
    for (int i = 0; i < 51; ++i) {
        f.form.tick(f.form.Timer1);
        seen.push_back(f.form.Label5.Caption);
    }
    EXPECT_EQ(seen[0], "2");
    EXPECT_EQ(seen[48], "50");
    EXPECT_EQ(seen[49], "1");
    EXPECT_EQ(seen[50], "2");
}

TEST(Rolling, SequentialComparesValuesNotText) {
    for (const char* maximum : {"050", "50.", "50.0"}) {
        EXPECT_EQ(nextInSequence("50", "1", maximum), "1") << maximum;
        EXPECT_EQ(nextInSequence("49", "1", maximum), "50") << maximum;
    }
    EXPECT_EQ(nextInSequence("5", "1", "5.5"), "1");  // 6 would pass 5.5
    EXPECT_EQ(nextInSequence("4", "1", "5.5"), "5");
    EXPECT_EQ(nextInSequence("0.5", "0.5", "3"), "1.5");
    // Text that is not a number starts again at the minimum; nothing fails.
    EXPECT_EQ(nextInSequence(".", "1", "50"), "1");
    EXPECT_EQ(nextInSequence("", "1", "50"), "1");
    EXPECT_EQ(nextInSequence("3", ".", "."), ".");
}

TEST(Rolling, RandomStaysWithinOneToTheWholeMaximum) {
    EXPECT_EQ(randomNumber(0.0, "1", "50"), "1");
    EXPECT_EQ(randomNumber(0.999999999, "1", "50"), "50");
    EXPECT_EQ(randomNumber(0.999999999, "1", "5.5"), "5");  // never above a fractional maximum
    EXPECT_EQ(randomNumber(1.0, "1", "50"), "50");
    EXPECT_EQ(randomNumber(0.5, "10", "50"), "26");  // the minimum does not bound the draw
    EXPECT_EQ(randomNumber(0.3, "1", "."), "1");      // no usable maximum: the minimum
    EXPECT_EQ(randomNumber(0.3, "1", "0.5"), "1");
    EXPECT_EQ(randomNumber(0.3, "0", "1"), "1");
}

// Catching up many periods at once leaves the rolling number where as many
// ticks would, from any state the range boxes can hold.
TEST(Rolling, AdvancingManyPeriodsEqualsTickingThem) {
    const char* texts[] = {"1", "5.", ".01", "0.1", "9.9", "0", ".", "12", "050", "5.5", "999", "50", "7.7"};
    std::mt19937_64 choose(7);
    for (int run = 0; run < 1500; ++run) {
        std::string minimum = texts[choose() % std::size(texts)], maximum = texts[choose() % std::size(texts)];
        int mode = static_cast<int>(choose() % 3);  // in order, at random, without repeats
        int lead = static_cast<int>(choose() % 400), periods = static_cast<int>(choose() % 3000);
        double r = std::generate_canonical<double, 53>(choose);
        FormFixture one, many;
        for (FormFixture* f : {&one, &many}) {
            OptionButton* modes[] = {&f->form.Option3, &f->form.Option4, &f->form.Option5};
            f->form.choose(*modes[mode]);
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

// Every random tick draws; the minimum is not favoured after the maximum.
TEST(Rolling, RandomModeIsFair) {
    FormFixture f;  // random mode, range 1..50, seeded generator
    const int kTicks = 500000, kFaces = 50;
    std::map<std::string, int> counts;
    for (int i = 0; i < kTicks; ++i) {
        f.form.tick(f.form.Timer1);
        ++counts[f.form.Label5.Caption];
    }
    ASSERT_EQ(counts.size(), static_cast<std::size_t>(kFaces));
    double expected = double(kTicks) / kFaces, chiSquare = 0;
    for (int n = 1; n <= kFaces; ++n) {
        double observed = counts[std::to_string(n)];
        chiSquare += (observed - expected) * (observed - expected) / expected;
    }
    // 49 degrees of freedom: 85.35 is the 0.999 quantile. The favoured
    // minimum of a wrap-to-minimum rule alone would add about 2000 here.
    EXPECT_LT(chiSquare, 85.35);
}

TEST(Pick, CopiesTheRollingNumberAndAppendsAHistoryLine) {
    FormFixture f;
    f.form.tick(f.form.Timer5);
    f.form.Label5.Caption = "7";
    f.form.click(f.form.Command1);
    EXPECT_EQ(f.form.Label4.Caption, "7");
    EXPECT_EQ(f.form.Text6.Text, "2024年03月15日_09:05:07抽到幸运数: [7]\r\n");
    EXPECT_TRUE(f.platform.boxes.empty());
    // The same number twice gives two lines; the draw goes on.
    f.form.click(f.form.Command1);
    EXPECT_EQ(f.form.Text6.Text, "2024年03月15日_09:05:07抽到幸运数: [7]\r\n2024年03月15日_09:05:07抽到幸运数: [7]\r\n");
    EXPECT_TRUE(f.form.Timer1.Enabled);
    EXPECT_TRUE(f.form.Command1.Enabled);
}

TEST(Pick, AnnouncesWhenAsked) {
    FormFixture f;
    f.form.Check1.Value = 1;
    f.form.Label5.Caption = "7";
    f.form.click(f.form.Command1);
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].prompt, "恭喜7号被抽中！");
    EXPECT_EQ(f.platform.boxes[0].title, "Kulbo - 选中的幸运号");
    EXPECT_EQ(f.platform.boxes[0].flags, 64);
}

TEST(Pick, AvoidedNumberGivesWayAndTheAnnouncementNamesTheReplacement) {
    FormFixture f;
    f.form.select(f.form.Option1);
    f.form.Text4.Text = "7";
    f.form.Check1.Value = 1;
    f.form.Label5.Caption = "7";
    f.form.click(f.form.Command1);
    EXPECT_EQ(f.form.Label4.Caption, "1");
    ASSERT_EQ(f.platform.boxes.size(), 1u);
    EXPECT_EQ(f.platform.boxes[0].prompt, "恭喜1号被抽中！");
    EXPECT_EQ(f.form.Text6.Text, "#2[1]\r\n");

    // The avoided number is the minimum itself: the maximum stands in.
    f.form.Text4.Text = "1";
    f.form.Label5.Caption = "1";
    f.form.click(f.form.Command1);
    EXPECT_EQ(f.form.Label4.Caption, "50");
}

TEST(Pick, AvoidanceComparesTextAndNeedsToBeOn) {
    FormFixture f;
    f.form.Text4.Text = "7";
    f.form.Label5.Caption = "7";
    f.form.click(f.form.Command1);  // avoidance off
    EXPECT_EQ(f.form.Label4.Caption, "7");

    f.form.select(f.form.Option1);
    f.form.Text4.Text = "07";
    f.form.click(f.form.Command1);
    EXPECT_EQ(f.form.Label4.Caption, "7");
    f.form.Text4.Text = "";
    f.form.click(f.form.Command1);
    EXPECT_EQ(f.form.Label4.Caption, "7");
}
