#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kPoint = '.';

std::vector<TextBox*> filteredBoxes(Form1& form) { return {&form.Text1, &form.Text2, &form.Text4, &form.Text6}; }

}  // namespace

TEST(InputFilter, DigitsAndBackspacePassWhateverTheText) {
    FormFixture f;
    for (TextBox* box : filteredBoxes(f.form))
        for (const char* text : {"", "7", "12.", ".5", "999"}) {
            box->Text = std::string(text);
            for (std::int16_t code = '0'; code <= '9'; ++code)
                EXPECT_EQ(f.form.keyPress(*box, code), code) << box->name << " \"" << text << "\" " << code;
            EXPECT_EQ(f.form.keyPress(*box, kBackspace), kBackspace) << box->name << " \"" << text << "\"";
        }
}

// The test looks at the text before the key lands, so a point is refused
// even when the whole text, point included, is selected and about to go.
TEST(InputFilter, OnePointOnly) {
    FormFixture f;
    for (TextBox* box : filteredBoxes(f.form)) {
        for (const char* text : {"", "1", "12"}) {
            box->Text = std::string(text);
            EXPECT_EQ(f.form.keyPress(*box, kPoint), kPoint) << box->name << " \"" << text << "\"";
        }
        for (const char* text : {".", "1.", ".5", "1.5"}) {
            box->Text = std::string(text);
            EXPECT_EQ(f.form.keyPress(*box, kPoint), 0) << box->name << " \"" << text << "\"";
        }
    }
}

TEST(InputFilter, EverythingElseIsSwallowed) {
    const std::int16_t codes[] = {
        'a', 'z', 'A', 'Z', 'e',  // letters
        '-', '+', ' ', ',', '/', ':',  // signs, space, the neighbours of the digits
        13, 3, 22, 24, 9, 27, 127, 1,  // Enter, Ctrl+C/V/X, Tab, Escape, Delete, Ctrl+A
        -12086, -1, -32768,            // double-byte characters from an input method
        255, 32767,
    };
    FormFixture f;
    for (TextBox* box : filteredBoxes(f.form))
        for (const char* text : {"", "1."}) {
            box->Text = std::string(text);
            for (std::int16_t code : codes)
                EXPECT_EQ(f.form.keyPress(*box, code), 0) << box->name << " \"" << text << "\" " << code;
            EXPECT_EQ(box->Text, text);
        }
}

TEST(InputFilter, PasswordAndTitleBoxesTakeAnything) {
    FormFixture f;
    for (TextBox* box : {&f.form.Text3, &f.form.Text5})
        for (std::int16_t code : {std::int16_t('a'), std::int16_t('-'), std::int16_t(' '), std::int16_t(22),
                                  std::int16_t(-12086), kPoint})
            EXPECT_EQ(f.form.keyPress(*box, code), code) << box->name << " " << code;
}

TEST(InputFilter, TypedMixKeepsOnlyAdmissibleCharacters) {
    FormFixture f;
    f.form.Text2.Text = "";
    f.type(f.form.Text2, "a-1 .x.2\r9");
    EXPECT_EQ(f.form.Text2.Text, "1.2");  // the last digit finds the box full
}
