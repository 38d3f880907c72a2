#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

// The point test looks at the text before the key lands, so a point is
// refused even when the whole text, point included, is selected and about
// to go. The codes' neighbours: '/' and ':' round the digits, 7 and 9 round
// backspace, 45 and 47 round the point.
TEST(InputFilter, NumberBoxesTakeDigitsBackspaceAndOnePoint) {
    struct Case {
        const char* text;
        std::int16_t code;
        bool admitted;
    };
    const Case cases[] = {
        {"", '0', true},  {"1.", '9', true},  {"1.5", 8, true},   {"", '.', true},   {"12", '.', true},
        {".", '.', false}, {"1.5", '.', false}, {"", '/', false},  {"1.", ':', false}, {"", 7, false},
        {"", 9, false},   {"", 45, false},    {"1.", 47, false},  {"", 'a', false},  {"", 13, false},
        {"", 22, false},  {"", 127, false},   {"", -12086, false}, {"", 255, false},
    };
    FormFixture f;
    for (TextBox* box : {&f.form.Text1, &f.form.Text2, &f.form.Text4, &f.form.Text6})
        for (const Case& c : cases) {
            box->Text = std::string(c.text);
            EXPECT_EQ(f.form.keyPress(*box, c.code), c.admitted ? c.code : 0) << box->name << " \"" << c.text << "\" " << c.code;
        }
    const std::int16_t anything[] = {'a', '-', '.', 22, -12086};
    for (TextBox* box : {&f.form.Text3, &f.form.Text5})
        for (std::int16_t code : anything) EXPECT_EQ(f.form.keyPress(*box, code), code) << box->name;

    f.form.Text2.Text = "";
    f.type(f.form.Text2, "a-1 .x.2\r9");
    EXPECT_EQ(f.form.Text2.Text, "1.2");  // the last digit finds the box full
}
