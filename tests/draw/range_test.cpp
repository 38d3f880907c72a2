#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

// The range open, or the draw running, with what goes with either.
void expectEditing(const Form1& form, bool editing) {
    EXPECT_EQ(std::tuple(form.Command2.Caption.get(), form.Text2.Enabled.get(), form.Timer1.Enabled.get(),
                         form.Command1.Enabled.get(), form.Command3.Enabled.get(), form.Command11.Enabled.get()),
              std::tuple(editing ? "完成" : "修改", editing, !editing, !editing, !editing, !editing));
    EXPECT_TRUE(!editing || form.Label4.Caption.get().empty());
}

}  // namespace

// In order, "修改" opens both boxes and stops the rolling; "完成" starts it
// from the minimum, or refuses with its critical boxes in order, leaving the
// texts as typed, and the next click confirms again. A maximum between 999
// and 1000 is refused without a word.
TEST(Range, ConfirmStartsTheDrawFromTheMinimumOrRefusesWithItsBoxes) {
    const std::string kEqual = "最小值不能大于等于最大值", kOver = "最大值不能超过999";
    // Minimum, maximum, boxes, accepted.
    const std::tuple<const char*, const char*, std::vector<std::string>, bool> cases[] = {
        {"1", "999", {}, true}, {"5.", "12", {}, true}, {"0", ".5", {}, true}, {"050", "51", {}, true},
        {"50", "50", {kEqual}, false}, {"5.", "5", {kEqual}, false}, {"", "", {"最小值不能为空", "最大值不能为空"}, false},
        {"1", "1000", {kOver}, false},  // once, not also by the check after every click
        {".", "50", {"最小值必须是数字"}, false}, {".", ".", {"最大值必须是数字"}, false},  // the maximum is converted first
        {"", ".", {"最小值不能为空"}, false}, {".", "1000", {kOver}, false}, {"1", "999.5", {}, false}};
    for (const auto& [minimum, maximum, messages, accepted] : cases) {
        SCOPED_TRACE(std::string("min \"") + minimum + "\" max \"" + maximum + "\"");
        FormFixture f;
        f.form.select(f.form.Option3);
        f.form.click(f.form.Command2);
        f.form.Text1.Text = std::string(minimum);
        f.form.Text2.Text = std::string(maximum);
        f.form.click(f.form.Command2);
        EXPECT_EQ(f.platform.prompts(), messages);
        for (const ShownBox& box : f.platform.boxes) EXPECT_EQ(box.flags, box::kCritical);
        expectEditing(f.form, !accepted);
        EXPECT_EQ(f.form.Text1.Enabled.get(), !accepted);
        EXPECT_EQ(f.form.Text1.Text.get() + ".." + f.form.Text2.Text.get(), std::string(minimum) + ".." + maximum);
        if (accepted) {
            EXPECT_EQ(f.form.Label5.Caption, minimum);
            continue;
        }
        f.platform.boxes.clear();
        f.form.Text1.Text = "2";
        f.form.Text2.Text = "8";
        f.form.click(f.form.Command2);
        EXPECT_EQ(std::tuple(f.platform.boxes.size(), f.form.Label5.Caption.get()), std::tuple(0u, "2"));
        expectEditing(f.form, false);
    }
}

// Random mode keeps the minimum closed, but still compares it. The check
// after every click runs on "修改" too, so a bad maximum put there by other
// means is reported as editing begins; with no mode chosen the button does
// nothing.
TEST(Range, RandomModeKeepsTheMinimumClosedAndEditingReportsABadRange) {
    FormFixture f;
    f.form.Text2.Text = "1000";
    f.form.click(f.form.Command2);
    expectEditing(f.form, true);
    f.form.Text2.Text = "1";
    f.form.click(f.form.Command2);
    EXPECT_EQ(f.platform.prompts(), (std::vector<std::string>{"最大值不能超过999", "最小值不能大于等于最大值"}));
    expectEditing(f.form, true);
    EXPECT_FALSE(f.form.Text1.Enabled);
    f.form.Text2.Text = "2";
    f.form.click(f.form.Command2);
    expectEditing(f.form, false);

    FormFixture g;
    g.form.Option4.Value = false;
    g.form.Text2.Text = "";
    g.form.click(g.form.Command2);
    EXPECT_TRUE(g.platform.boxes.empty());
    expectEditing(g.form, false);
}

// The point test looks at the text before the key lands, so a point is
// refused even when the whole text, point included, is selected and about
// to go. The codes' neighbours: '/' and ':' round the digits, 7 and 9 round
// backspace, 45 and 47 round the point.
TEST(InputFilter, NumberBoxesTakeDigitsBackspaceAndOnePoint) {
    const std::tuple<const char*, std::int16_t, bool> cases[] = {  // text, code, admitted
        {"", '0', true},  {"1.", '9', true},  {"1.5", 8, true},   {"", '.', true},   {"12", '.', true},
        {".", '.', false}, {"1.5", '.', false}, {"", '/', false},  {"1.", ':', false}, {"", 7, false},
        {"", 9, false},   {"", 45, false},    {"1.", 47, false},  {"", 'a', false},  {"", 13, false},
        {"", 22, false},  {"", 127, false},   {"", -12086, false}, {"", 255, false}};
    FormFixture f;
    for (TextBox* box : {&f.form.Text1, &f.form.Text2, &f.form.Text4, &f.form.Text6})
        for (auto [text, code, admitted] : cases) {
            box->Text = std::string(text);
            EXPECT_EQ(f.form.keyPress(*box, code), admitted ? code : 0) << box->name << " \"" << text << "\" " << code;
        }
    const std::int16_t anything[] = {'a', '-', '.', 22, -12086};
    for (TextBox* box : {&f.form.Text3, &f.form.Text5})
        for (std::int16_t code : anything) EXPECT_EQ(f.form.keyPress(*box, code), code) << box->name;

    f.form.Text2.Text = "";
    f.type(f.form.Text2, "a-1 .x.2\r9");
    EXPECT_EQ(f.form.Text2.Text, "1.2");  // the last digit finds the box full
}
