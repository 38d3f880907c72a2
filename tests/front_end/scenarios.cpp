// What both programs must do alike, run against each front end through its
// driver: keys, the limits of the boxes, pasting, what screen readers hear,
// the history's keys, and a request to close while a box is open.
#include "front_end/driver.h"

#include "app/unicode.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

class Scenario : public ::testing::Test {
protected:
    std::unique_ptr<FrontEndDriver> driver = makeDriver();
    Form1& form = driver->program().form();
};

// Keys that type punctuation are not the arrow keys whose codes their
// characters happen to have.
TEST_F(Scenario, OnlyTheArrowKeysMoveTheChoiceOfAnOption) {
    form.Picture2.Visible = true;
    driver->focus(form.Option4);
    for (char32_t c : std::u32string_view(U"'%&(.")) driver->press(c);
    EXPECT_TRUE(form.Option4.Value);
    driver->press(NamedKey::Up);
    EXPECT_TRUE(form.Option3.Value);
    EXPECT_EQ(driver->focused(), &form.Option3);
}

// 𠀀 is one character, typed or pasted; a paste keeps what fits, never half
// a character, and the window's title shows no broken one.
TEST_F(Scenario, BoxesCountCharactersAsAReaderDoes) {
    form.Picture2.Visible = true;
    driver->focus(form.Text5);
    const std::u32string sixteen(16, U'𠀀');
    driver->type(sixteen + U"x");
    EXPECT_EQ(driver->shownText(form.Text5), sixteen);
    EXPECT_EQ(form.Text5.Text, utf8Of(sixteen));

    const std::u32string fourteen = U"三年二班" + std::u32string(10, U'a');
    form.Text5.Text = utf8Of(fourteen);
    driver->press(NamedKey::End);
    driver->paste(U"𠀀𠀀𠀀", PasteRoad::CtrlV);
    EXPECT_EQ(driver->shownText(form.Text5), fourteen + U"𠀀𠀀");
    form.click(form.Command6);
    EXPECT_EQ(driver->windowTitle(), utf8Of(fourteen + U"𠀀𠀀") + " - Kulbo");

    form.Picture1.Visible = true;
    driver->focus(form.Text3);
    driver->paste(std::u32string(25, U'😀'), PasteRoad::ShiftInsert);
    EXPECT_EQ(form.Text3.Text, utf8Of(std::u32string(20, U'😀')));
}

// No road pastes into a number box, and what no key could type never stays.
TEST_F(Scenario, NothingIsPastedIntoANumberBox) {
    form.click(form.Command2);  // 修改: the maximum opens
    driver->focus(form.Text2);
    for (PasteRoad road : {PasteRoad::CtrlV, PasteRoad::ShiftInsert, PasteRoad::BoxCommand})
        for (std::u32string_view text : {U"x9y", U"1..", U"-5", U"１２"}) {
            driver->paste(text, road);
            EXPECT_EQ(driver->shownText(form.Text2), U"50") << utf8Of(text) << " by " << static_cast<int>(road);
            EXPECT_EQ(form.Text2.Text, "50");
        }
    driver->paste(U"42", PasteRoad::CtrlV);
    driver->paste(U"42", PasteRoad::ShiftInsert);
    EXPECT_EQ(form.Text2.Text, "50");
    driver->press(NamedKey::End);
    driver->type(U"1a.");
    EXPECT_EQ(driver->shownText(form.Text2), U"501");  // the box holds three
}

TEST_F(Scenario, ReadersHearTheBoxesTheDisplayAndEachPick) {
    EXPECT_EQ(driver->readerName(form.Text1), "输入最小值");
    EXPECT_EQ(driver->readerName(form.Text5), "输入班级或公司名");
    EXPECT_EQ(driver->readerDescription(form.Text6), "没有记录");
    form.Label5.Caption = "7";
    form.click(form.Command1);
    form.click(form.Command1);
    EXPECT_EQ(driver->readerName(form.Label4), "幸运数 7");
    EXPECT_EQ(driver->readerDescription(form.Command1), "第 2 次抽到 7 号");
    EXPECT_EQ(driver->readerDescription(form.Text6), "共 2 条，最新：#2[7]");
}

TEST_F(Scenario, HistoryKeysMoveFromLineToLine) {
    for (int i = 0; i < 40; ++i) form.click(form.Command1);
    form.click(form.Command11);
    driver->focus(form.Text6);
    const int page = driver->historyLinesInSight();
    ASSERT_GT(page, 2);
    const std::pair<NamedKey, int> moves[] = {{NamedKey::Down, 1},  {NamedKey::Down, 2},       {NamedKey::Up, 1},
                                              {NamedKey::End, 39},  {NamedKey::PageUp, 39 - page}, {NamedKey::Home, 0},
                                              {NamedKey::Up, 0},    {NamedKey::PageDown, page}};
    for (auto [key, line] : moves) {
        driver->press(key);
        EXPECT_EQ(driver->historyLine(), line) << "after key " << keyCodeOf(key);
    }
}

TEST_F(Scenario, AClosingRequestDuringABoxIsAskedAfterIt) {
    form.Check1.Value = 1;
    driver->fake().whileBoxesOpen = {[this] { driver->closeWindow(); }};
    form.click(form.Command1);
    ASSERT_EQ(driver->fake().boxes.size(), 2u);
    EXPECT_EQ(driver->fake().boxes[1].prompt, "确定要退出吗？");
    EXPECT_FALSE(form.ended());  // answered No
}

}  // namespace
