// 不重复方式: every number once in a round, the round read from the history.
#include "support/fake_platform.h"
#include "support/round_fairness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

using Numbers = std::set<std::string>;
const std::string kRoundEnd = "本轮已全部抽完，下一次开始新的一轮";
const std::string kNothingLeft = "范围内没有可以抽的整数";

bool isRoundEnd(const ShownBox& box) { return box.prompt == kRoundEnd; }

// The mode and the number to avoid chosen, then the range confirmed.
struct NoRepeatFixture : FormFixture {
    NoRepeatFixture(const std::string& minimum, const std::string& maximum, const std::string& avoided = "") {
        form.select(form.Option5);
        form.select(avoided.empty() ? form.Option2 : form.Option1);
        form.Text4.Text = avoided;
        confirm(minimum, maximum);
    }
    void confirm(const std::string& minimum, const std::string& maximum) {
        form.click(form.Command2);
        form.Text1.Text = minimum;
        form.Text2.Text = maximum;
        form.click(form.Command2);
    }
    // The numbers drawn by `count` picks with no tick between (each draws
    // afresh), or shown by as many ticks of the rolling display.
    Numbers picks(int count, bool rolling = false) {
        Numbers seen;
        for (int i = 0; i < count; ++i) {
            rolling ? form.tick(form.Timer1) : form.click(form.Command1);
            seen.insert(rolling ? form.Label5.Caption.get() : form.Label4.Caption.get());
        }
        return seen;
    }
    Numbers rolled() { return picks(400, true); }
    long roundEnds() const { return std::count_if(platform.boxes.begin(), platform.boxes.end(), isRoundEnd); }
};

std::string historyOf(std::initializer_list<const char*> numbers) {
    std::string text;
    for (const char* n : numbers) text += std::string("#2[") + n + "]\r\n";
    return text;
}

}  // namespace

// The box marks each round's end, and the next round starts afresh. Each
// number is equally likely at each place of a round: 81 degrees of freedom,
// where 150 is passed by chance once in 200000 runs.
TEST(NoRepeat, ARoundDrawsEachNumberOnceFairlyAndTheBoxMarksItsEnd) {
    NoRepeatFixture f("1", "5.5");  // the whole numbers 1 to 5
    EXPECT_EQ(f.picks(4).size(), 4u);
    EXPECT_EQ(f.roundEnds(), 0);
    EXPECT_EQ(f.picks(1).size(), 1u);
    EXPECT_EQ(f.platform.boxes.back().flags, box::kInformation);
    for (int rounds = 0; rounds < 40; ++rounds) ASSERT_EQ(f.picks(5), (Numbers{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(f.roundEnds(), 41);
    EXPECT_LT(roundFairness(2000, 1).chiSquare, 150);
}

// Clearing, replacing (however long the new text) and changing the range or
// the number to avoid all read the round again from the history's first line.
TEST(NoRepeat, TheRoundIsReadFromTheHistoryAsItStands) {
    NoRepeatFixture f("1", "5");
    f.picks(3);
    f.form.Text6.Text = "";
    f.picks(4);
    EXPECT_EQ(f.roundEnds(), 0);  // the three before the clearing count no more

    f.form.Text6.Text = historyOf({"1", "2", "3", "4"});
    EXPECT_EQ(f.rolled(), Numbers{"5"});
    f.form.Text6.Text = historyOf({"5", "4", "3", "2"});  // as long, not the same
    EXPECT_EQ(f.rolled(), Numbers{"1"});
    // Numbers by value, whichever mode drew them; any other text is passed over.
    f.form.Text6.Text = historyOf({"1", "7", "2.5", "x", "", "04", "2", "3"}) + "#2[5";
    EXPECT_EQ(f.rolled(), Numbers{"5"});
    f.form.Text6.Text = historyOf({"1", "2", "3", "4", "5", "2"});  // a complete round, then the next
    EXPECT_EQ(f.rolled(), (Numbers{"1", "3", "4", "5"}));

    f.form.Text6.Text = historyOf({"2", "3", "4"});
    f.confirm("2", "5");
    EXPECT_EQ(f.rolled(), Numbers{"5"});
    f.form.select(f.form.Option1);
    f.form.Text4.Text = "5";  // a round of 2, 3 and 4: complete
    EXPECT_EQ(f.rolled(), (Numbers{"2", "3", "4"}));
}

// Refused when the range is confirmed, and at the pick when another mode's
// range, with the avoided number, leaves nothing.
TEST(NoRepeat, NothingToDrawIsRefused) {
    for (auto [minimum, maximum, avoided] : {std::tuple{".2", ".8", ""}, std::tuple{"1", "1.5", "1"}}) {
        NoRepeatFixture f(minimum, maximum, avoided);
        EXPECT_EQ(std::tuple(f.platform.boxes.at(0).prompt, f.platform.boxes.at(0).flags, f.form.Timer1.Enabled.get()),
                  std::tuple(kNothingLeft, box::kCritical, false));
    }

    FormFixture f;
    f.form.Text2.Text = "1.5";
    f.form.select(f.form.Option1);
    f.form.Text4.Text = "1";
    f.form.select(f.form.Option5);
    f.ticks(f.form.Timer1, 5);
    f.form.click(f.form.Command1);
    EXPECT_EQ(std::tuple(f.platform.boxes.at(0).prompt, f.form.Text6.Text.get()), std::tuple(kNothingLeft, ""));
}
