// The roads by which text reaches a box, the key codes of characters, and
// numbers read from and written as text.
#include "app/keys.h"
#include "app/number_text.h"
#include "app/text_input.h"
#include "app/unicode.h"
#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale>
#include <random>

using namespace kulbo;
using namespace kulbo::testing;

// Punctuation gets its key's code, not the arrow's or Delete's that shares
// its character's; a key named as a browser names it gets its code.
TEST(Keys, ACharacterOrABrowsersKeyNameGetsTheCodeOfItsKey) {
    const std::pair<char32_t, int> codes[] = {{U'a', 'A'}, {U'7', '7'}, {U'%', '5'}, {U'(', '9'}, {U'\'', 222}, {U'.', 190}, {U'中', 0}};
    for (auto [character, code] : codes) EXPECT_EQ(keyCodeOfCharacter(character), code) << int(character);
    EXPECT_EQ(std::tuple(keyCodeOf(NamedKey::Home), functionKeyCode(1), functionKeyCode(0), functionKeyCode(25)),
              std::tuple(key::kHome, key::kF1, 0, 0));
    const std::pair<std::string_view, int> names[] = {{"ArrowLeft", key::kLeft}, {"Delete", key::kDelete}, {" ", key::kSpace},
                                                      {"F5", key::kF1 + 4}, {"F", 'F'}, {"F1x", 0}, {"中", 0}, {"Shift", 0}};
    for (auto [name, code] : names) EXPECT_EQ(keyCodeOfName(name), code) << name;
}

TEST(TextInput, CharactersAreCountedAsAReaderCountsThem) {
    // e with its accent, then a: two; a family joined by U+200D: one
    EXPECT_EQ(std::tuple(characterCount(U"𠀀"), characterCount(U"e\u0301a"), characterCount(U"👩\u200D👧")), std::tuple(1u, 2u, 1u));
    EXPECT_EQ(codePointsOfUtf16(utf16Of(U"𠀀x")), U"𠀀x");
    EXPECT_EQ(codePointsOfUtf8(std::string("\0\xE4\xB8", 3)), std::u32string(U"\0\uFFFD\uFFFD", 3));  // half a character is none
    EXPECT_EQ(std::tuple(keyAsciiOf(U'中') < 0, isControlCharacter(U'\u202E'), isControlCharacter(U'\u200D')),
              std::tuple(true, true, false));
}

// Whatever road a change came by, the box keeps what the rules let in: the
// beginning of what fits, in whole characters, without control characters;
// a number box refuses whole what no key could type.
TEST(TextInput, AnEditKeepsTheBeginningOfWhatFitsInWholeCharactersOrIsRefusedWhole) {
    FormFixture f;
    TextBox& title = f.form.Text5;  // 16 characters
    title.Text = utf8Of(std::u32string(14, U'a'));
    KeptEdit kept = keepEdit(f.form, title, utf16Of(std::u32string(7, U'a') + U"𠀀e\u0301\t二" + std::u32string(7, U'a')), 12);
    // the caret after what was kept of the paste: 7 + 2 + 2 units
    EXPECT_EQ(std::tuple(kept.text, kept.caret, kept.changed),
              std::tuple(utf16Of(std::u32string(7, U'a') + U"𠀀e\u0301" + std::u32string(7, U'a')), 11u, true));
    EXPECT_EQ(title.Text, utf8Of(codePointsOfUtf16(kept.text)));

    title.Text = "";
    kept = keepEdit(f.form, title, utf16Of(U"三年\u202E二班") + u'\xD840', 6);  // half a character is none
    EXPECT_EQ(std::tuple(kept.text, kept.caret), std::tuple(u"三年二班", 4u));
    kept = keepEdit(f.form, title, u"三年二", 3);  // a deletion stands
    EXPECT_EQ(std::tuple(kept.changed, kept.caret, title.Text.get()), std::tuple(false, 3u, "三年二"));

    TextBox& maximum = f.form.Text2;  // "50"
    for (std::u16string_view refused : {u"x950", u"1..50", u"-550", u"１２", u"5 0"}) {
        kept = keepEdit(f.form, maximum, refused, 1);
        EXPECT_EQ(std::tuple(kept.changed, kept.text, maximum.Text.get()), std::tuple(true, u"50", "50"));
    }
    EXPECT_EQ(keepEdit(f.form, maximum, u"9", 1).text, u"9");  // a selection replaced by a digit
    EXPECT_EQ(keepEdit(f.form, maximum, u"9.25", 4).text, u"9.2");
    EXPECT_EQ(maximum.Text, "9.2");
}

// What both readers make of a text; a strict reading of nullopt refuses it.
TEST(NumberText, StrictTakesOnlyWholeNumbersLenientTheLeadingOne) {
    const std::tuple<std::string, std::optional<double>, double> cases[] = {  // text, strict, lenient
        {"5.", 5, 5}, {".5", 0.5, 0.5}, {"050", 50, 50}, {"-3", -3, -3},
        {"9007199254740993", 9007199254740992.0, 9007199254740992.0},    // halfway: to the even neighbour
        {"9007199254740993.1", 9007199254740994.0, 9007199254740994.0},  // past it: up
        {"0.30000000000000004", 0.1 + 0.2, 0.1 + 0.2},
        {"", {}, 0}, {".", {}, 0}, {"5.5.5", {}, 5.5}, {"12abc", {}, 12}, {"a5", {}, 0},
        {" 5", {}, 0}, {"5 ", {}, 5}, {"+.", {}, 0}, {"1e3", {}, 1}};
    for (const auto& [text, strict, lenient] : cases)
        EXPECT_EQ(std::tuple(strictNumber(text), lenientNumber(text)), std::tuple(strict, lenient)) << '"' << text << '"';
    EXPECT_EQ(lenientNumber(std::string(400, '9')), 0);  // beyond a double
}

// The shortest text that reads back, whole numbers in full; every finite
// double reads back as itself.
TEST(NumberText, ShortestDecimalFormReadsBack) {
    const std::pair<double, std::string> cases[] = {
        {7.0, "7"}, {-0.0, "0"}, {-2.5, "-2.5"}, {0.1 + 0.2, "0.30000000000000004"}, {1e23, "99999999999999991611392"},
        {0x1p-24, "0.00000005960464477539063"},  // the neighbour below is nearer
        {5e-324, "0." + std::string(323, '0') + "5"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(numberText(value), text);
    std::mt19937_64 bits(1);
    for (int i = 0; i < 500; ++i) {
        const std::uint64_t pattern = bits();
        double value;
        std::memcpy(&value, &pattern, sizeof value);
        EXPECT_TRUE(!std::isfinite(value) || strictNumber(numberText(value)) == value) << numberText(value);
    }
}

// Qt sets the C locale from the user's: a decimal comma there changes nothing.
TEST(NumberText, LocaleKeepsThePoint) {
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::locale before = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    std::string cBefore = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "German", "de-DE"})
        if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') break;
    EXPECT_EQ(std::tuple(numberText(5.5), strictNumber("1234567890.12345678"), strictNumber("5,5")),
              std::tuple("5.5", 1234567890.12345678, std::nullopt));
    std::locale::global(before);
    std::setlocale(LC_ALL, cBefore.c_str());
}
