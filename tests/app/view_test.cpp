#include "app/view.h"

#include "app/history_lines.h"

#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

// A loaded window and its view; outside an anonymous namespace, as the test
// classes derive from it.
struct ViewTest : ::testing::Test, FormFixture {
    View view{form};

    // The controls that Tab (or Shift+Tab) visits from `from`, once round.
    std::vector<std::string> tabWalk(Control* from, bool backwards = false) {
        std::vector<std::string> names;
        for (Control* c = view.nextFocus(from, backwards); c && names.size() < 60; c = view.nextFocus(c, backwards)) {
            names.push_back(c->name);
            if (c == from) break;
        }
        return names;
    }
};

using Names = std::vector<std::string>;

// An option group is one stop, at its chosen option, in the place of its
// first; it keeps that place when its option with the last tab index is
// chosen. A panel takes the focus when it opens and gives it back when the
// last one closes.
TEST_F(ViewTest, TabVisitsTheShownControlsByTabIndexWithAnOptionGroupAsOneStop) {
    EXPECT_EQ(view.firstFocus(), &form.Command1);
    EXPECT_EQ(tabWalk(&form.Command1, true), (Names{"Command11", "Command3", "Command2", "Command1"}));
    form.click(form.Command3);
    EXPECT_EQ(view.focusAfterChange(&form.Command3), &form.Text3);
    form.click(form.Command4);
    EXPECT_EQ(view.focusAfterChange(&form.Command4), &form.Command6);
    EXPECT_EQ(tabWalk(&form.Command6), (Names{"Option2", "Check1", "Check2", "Option4", "Command7", "Text5", "Check3", "Check4",
                                              "Command13", "Command6"}));
    form.click(form.Option5);
    EXPECT_EQ(std::tuple(view.nextFocus(&form.Check2, false), view.nextFocus(&form.Option5, false), view.nextFocus(&form.Command7, true)),
              std::tuple(&form.Option5, &form.Command7, &form.Option5));
    form.click(form.Command6);
    EXPECT_EQ(view.focusAfterChange(&form.Command6), &form.Command3);  // where it was before the panels
    EXPECT_EQ(view.focusAfterChange(&form.Command2), nullptr);  // nothing changed: it stays
    form.click(form.Command2);  // 修改 disables 开始
    EXPECT_EQ(view.focusAfterChange(&form.Command1), &form.Command2);
}

// The form sees each key first; then Tab moves the focus, the arrows the
// choice of an option group, Escape closes the panel on top that can be
// cancelled, and Alt with a letter clicks the button it marks.
TEST_F(ViewTest, KeysReachTheFormFirstThenMoveTheFocusAndTheChoice) {
    form.click(form.Command3);
    EXPECT_TRUE(view.keyDown(&form.Text3, key::kEnter, key::kShift).consumed);  // the focus moves on
    EXPECT_TRUE(form.Picture2.Visible);
    EXPECT_FALSE(view.keyDown(nullptr, 'A', 0).consumed);  // with the focus nowhere
    EXPECT_EQ(view.keyDown(&form.Command6, key::kTab, 0).focus, &form.Option2);
    EXPECT_EQ(view.keyDown(&form.Option2, key::kUp, 0).focus, &form.Option1);
    EXPECT_TRUE(form.Text4.Enabled);  // its handler ran
    EXPECT_FALSE(view.keyDown(&form.Option1, key::kHome, 0).consumed);
    EXPECT_EQ(view.keyDown(&form.Option5, key::kDown, 0).focus, &form.Option3);  // round the group
    EXPECT_TRUE(form.Option3.Value);
    // Left is left to a box to move its cursor, and Escape does nothing on the settings, which have no cancel.
    EXPECT_FALSE(view.keyDown(&form.Text5, key::kLeft, 0).consumed || view.keyDown(&form.Command6, key::kEscape, 0).consumed);
    form.click(form.Command6);

    form.click(form.Command11);
    EXPECT_TRUE(view.keyDown(&form.Text6, key::kEscape, 0).consumed);
    EXPECT_FALSE(form.Picture3.Visible);
    const ShownCaption unlock = shownCaption(form.Command4.Caption);
    EXPECT_EQ(unlock.text + unlock.key + std::to_string(unlock.at), "解锁（O）O3");
    // A mark with nothing after it is none, and only a button has an access key.
    EXPECT_EQ(std::tuple(shownCaption("a&b").key, shownCaption("a&").text, shownCaptionOf(form.Label5).at),
              std::tuple('b', "a&", -1));
    EXPECT_FALSE(view.keyDown(&form.Command1, 'O', key::kAlt).consumed);  // 解锁 is not shown
    form.click(form.Command3);
    EXPECT_TRUE(view.keyDown(&form.Text3, 'E', key::kAlt).consumed);
    EXPECT_FALSE(form.Picture1.Visible);
}

// Home and End go to the first and the last line, not within the line; the
// caret goes to a line's start, the box scrolled the least that shows it.
TEST(View, HistoryKeysMoveTheCurrentLineWithinTheHistory) {
    const std::pair<int, int> moves[] = {{key::kHome, 0}, {key::kEnd, 9},  {key::kUp, 4},
                                         {key::kDown, 6}, {key::kPageUp, 1}, {key::kPageDown, 9}};
    for (auto [keyCode, line] : moves) EXPECT_EQ(View::historyLineAfterKey(keyCode, 5, 10, 4), line) << keyCode;
    EXPECT_EQ(std::pair(View::historyLineAfterKey(key::kUp, 0, 10, 4), View::historyLineAfterKey(key::kEnd, 0, 0, 4)),
              std::pair(std::optional(0), std::optional(0)));
    EXPECT_EQ(View::historyLineAfterKey(key::kLeft, 5, 10, 4), std::nullopt);

    const std::u16string text = u"#1[7]\r\n#2[8]\r\n#3[9]\r\n";
    EXPECT_EQ(std::tuple(history_lines::count(text), history_lines::count(u"a\nb"), history_lines::inSight(50, 20),
                         history_lines::inSight(10, 20)), std::tuple(3, 2, 2, 1));
    const history_lines::Move down = history_lines::afterKey(key::kDown, text, 8, 0, 2).value();
    EXPECT_EQ(std::tuple(down.caret, down.first), std::tuple(14u, 1));
    EXPECT_EQ(history_lines::afterKey(key::kHome, text, 14, 1, 2)->first, 0);
}
