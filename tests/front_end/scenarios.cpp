// What both desktop programs must do alike, run against each front end
// through its driver: what each control shows, keys and clicks, the limits of
// the boxes, pasting, what screen readers hear and the history.
#include "front_end/driver.h"

#include "app/fonts.h"
#include "app/unicode.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

class Scenario : public ::testing::Test {
protected:
    std::unique_ptr<FrontEndDriver> driver = makeDriver();
    Form1& form = driver->program().form();

    int inkIn(const Control& c, std::size_t fromRow = 0) {
        std::vector<int> rows = driver->ink(c);
        return std::accumulate(rows.begin() + static_cast<std::ptrdiff_t>(std::min(fromRow, rows.size())), rows.end(), 0);
    }
};

std::string modelText(const Control& c) {
    if (c.kind == Kind::TextBox) return static_cast<const TextBox&>(c).Text;
    if (auto* captioned = dynamic_cast<const CaptionedControl*>(&c)) return captioned->Caption;
    return "";
}

TEST_F(Scenario, EveryControlShowsWhereAndAsDesigned) {
    const Shown window = driver->shown(form);
    EXPECT_EQ(std::tuple(window.width, window.height, window.text), std::tuple(441, 426, "Kulbo"));
    form.Text1.Text = "12";
    form.Label11.Visible = false;
    for (Control* c : form.controls()) {
        if (c == &form || c->kind == Kind::Timer) continue;
        SCOPED_TRACE(c->name);
        const Shown seen = driver->shown(*c);
        EXPECT_EQ(std::pair(seen.left, seen.top), std::pair(pixelsFromTwips(c->Left), pixelsFromTwips(c->Top)));
        auto* label = dynamic_cast<Label*>(c);
        if (!label || !label->AutoSize) {
            EXPECT_EQ(std::pair(seen.width, seen.height), std::pair(pixelsFromTwips(c->Width), pixelsFromTwips(c->Height)));
        }
        EXPECT_EQ(seen.fontPixels, fontOf(*c).pixels);
        EXPECT_EQ(std::pair(seen.visible, seen.enabled), std::pair(driver->program().view().showsWidget(*c), c->Enabled.get()));
        EXPECT_EQ(seen.text, c->kind == Kind::Frame ? seen.text : modelText(*c));  // a frame's is painted
        EXPECT_EQ(seen.checked, isChecked(*c));
    }
    // A label too narrow for its caption wraps it; a hidden one is not drawn.
    form.Label11.Visible = true;
    EXPECT_GT(inkIn(form.Label11, static_cast<std::size_t>(driver->shown(form.Label11).height / 2)), 10);
    // What changed while a panel was hidden shows when it opens.
    form.select(form.Option3);
    form.Label15.Caption = form.Label15.Caption.get() + "，请设置";
    form.Picture1.Visible = true;
    EXPECT_EQ(driver->shown(form.Label15).text, form.Label15.Caption.get());
    // The lock buttons show their pictures above their captions, also while disabled.
    const std::size_t below = 6 + static_cast<std::size_t>(form.Command4.IconSize);
    auto picture = [&] { return inkIn(form.Command4, 6) - inkIn(form.Command4, below); };
    EXPECT_GT(picture(), form.Command4.IconSize);
    EXPECT_GT(inkIn(form.Command4, below), 20);
    form.Command4.Enabled = false;
    EXPECT_GT(picture(), 0);
    form.Picture1.Visible = false;
    form.Picture2.Visible = true;
    EXPECT_EQ(std::pair(driver->shown(form.Option3).checked, driver->shown(form.Option4).checked), std::pair(true, false));
    EXPECT_GT(inkIn(form.Option3), 20);  // its frame lies above the one it overlaps
}

// A character typed on a button does nothing, Space presses it; keys that
// type punctuation are not the arrow keys whose codes their characters
// happen to have; a click shows what the model made of it.
TEST_F(Scenario, KeysAndClicksMoveTheFocusAndTheChoices) {
    ASSERT_EQ(driver->focused(), &form.Command1);
    driver->press(U'三');
    driver->press(NamedKey::Space);  // one pick
    EXPECT_EQ(form.Text6.Text.get().find("]\r\n"), form.Text6.Text.get().size() - 3);

    form.Picture2.Visible = true;
    driver->focus(form.Option4);
    for (char32_t c : std::u32string_view(U"'%&(.")) driver->press(c);
    EXPECT_TRUE(form.Option4.Value);
    driver->press(NamedKey::Up);
    EXPECT_EQ(driver->focused(), &form.Option3);
    EXPECT_EQ(std::pair(driver->shown(form.Option3).checked, driver->shown(form.Option4).checked), std::pair(true, false));
    for (int twice = 0; twice < 2; ++twice) driver->click(form.Option1);
    EXPECT_EQ(std::tuple(driver->shown(form.Option1).checked, driver->shown(form.Option2).checked, driver->shown(form.Text4).enabled),
              std::tuple(true, false, true));
    EXPECT_TRUE(driver->shown(form.Option3).checked);  // the other group's
    driver->click(form.Check2);
    EXPECT_EQ(std::pair(driver->shown(form.Check2).checked, driver->shown(form.Check3).enabled), std::pair(false, false));
}

// 𠀀 is one character, typed or pasted; a paste keeps what fits, never half
// a character, and what no key could type never stays (a real paste into the
// title: the panels scenario). A number box takes no paste by the keys, nor
// what is not a number by any road; an input method's commit is filtered as
// if typed one by one.
TEST_F(Scenario, BoxesCountCharactersAndFilterWhatComesIn) {
    form.Picture2.Visible = true;
    driver->focus(form.Text5);
    const std::u32string sixteen(16, U'𠀀');
    driver->type(sixteen + U"x");
    EXPECT_EQ(driver->shown(form.Text5).text, utf8Of(sixteen));
    form.Text5.Text = "";
    driver->paste(U"三年\t二班\u202E", PasteRoad::CtrlV);
    driver->commit(U"初\u202E一");
    EXPECT_EQ(std::pair(driver->shown(form.Text5).text, form.Text5.Text.get()), std::pair(std::string("三年二班初一"), std::string("三年二班初一")));
    form.Picture1.Visible = true;
    driver->focus(form.Text3);
    driver->paste(std::u32string(25, U'😀'), PasteRoad::ShiftInsert);
    EXPECT_EQ(form.Text3.Text, utf8Of(std::u32string(20, U'😀')));

    form.Picture1.Visible = form.Picture2.Visible = false;
    form.click(form.Command2);  // 修改: the maximum opens
    driver->focus(form.Text2);
    for (PasteRoad road : {PasteRoad::CtrlV, PasteRoad::ShiftInsert, PasteRoad::BoxCommand}) {
        driver->paste(road == PasteRoad::BoxCommand ? U"1.." : U"42", road);  // the box's own command pastes a number
        EXPECT_EQ(std::pair(driver->shown(form.Text2).text, form.Text2.Text.get()), std::pair(std::string("50"), std::string("50")))
            << "by road " << static_cast<int>(road);
    }
    driver->press(NamedKey::End);
    driver->type(U"1a.");
    EXPECT_EQ(driver->shown(form.Text2).text, "501");  // the box holds three
    form.Text2.Text = "5";
    driver->press(NamedKey::End);
    driver->commit(U"中..");
    driver->press(NamedKey::Home);
    driver->commit(U"2");
    EXPECT_EQ(std::pair(driver->shown(form.Text2).text, form.Text2.Text.get()), std::pair(std::string("25."), std::string("25.")));
}

TEST_F(Scenario, ReadersHearTheBoxesTheDisplayAndEachPick) {
    EXPECT_EQ(std::tuple(driver->readerName(form.Text1), driver->readerName(form.Text5), driver->readerName(form.Picture1),
                         driver->readerDescription(form.Text6)),  // a panel by its heading
              std::tuple("输入最小值", "输入班级或公司名", "管理员模式", "没有记录"));
    form.Label5.Caption = "7";
    driver->click(form.Command1);
    form.click(form.Command1);
    EXPECT_EQ(driver->readerName(form.Label4), "幸运数 7");
    EXPECT_EQ(driver->readerDescription(form.Command1), "第 2 次抽到 7 号");
    EXPECT_EQ(driver->readerDescription(form.Text6), "共 2 条，最新：#2[7]");
}

// The history box shows every pick, drawn at once when it is in sight; the
// user's place in it stays, and the keys move it from line to line.
TEST_F(Scenario, TheHistoryShowsEachPickAndTheKeysMoveInIt) {
    auto shownHistory = [&] { return driver->shown(form.Text6).text; };
    for (int i = 0; i < 3; ++i) form.click(form.Command1);
    form.Picture3.Visible = true;
    EXPECT_EQ(shownHistory(), form.Text6.Text.get());
    const int threeLines = inkIn(form.Text6);
    driver->click(form.Command1);
    EXPECT_EQ(shownHistory(), form.Text6.Text.get());
    EXPECT_GT(inkIn(form.Text6), threeLines + threeLines / 6);

    driver->focus(form.Text6);
    driver->press(NamedKey::Down);
    driver->paste(U"7", PasteRoad::ShiftInsert);
    form.click(form.Command1);
    EXPECT_EQ(driver->historyLine(), 1);
    form.Text6.Text = "";
    EXPECT_EQ(shownHistory(), "");

    for (int i = 0; i < 40; ++i) form.click(form.Command1);
    driver->press(NamedKey::Home);
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

}  // namespace
