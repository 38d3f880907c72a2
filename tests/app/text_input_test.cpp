// The roads by which text reaches a box, and the key codes of characters.
#include "app/keys.h"
#include "app/text_input.h"
#include "app/unicode.h"

#include "support/fake_platform.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

std::u16string u16(std::u32string_view text) { return utf16Of(text); }

}  // namespace

// Punctuation gets its key's code, not the arrow's or Delete's that shares
// its character's.
TEST(Keys, ACharacterGetsTheCodeOfTheKeyThatTypesIt) {
    const std::pair<char32_t, int> codes[] = {{U'a', 'A'}, {U'7', '7'}, {U'%', '5'}, {U'(', '9'}, {U'\'', 222}, {U'.', 190}, {U'中', 0}};
    for (auto [character, code] : codes) EXPECT_EQ(keyCodeOfCharacter(character), code) << int(character);
    EXPECT_EQ(keyCodeOf(NamedKey::Home), key::kHome);
    EXPECT_EQ(functionKeyCode(1), key::kF1);
    for (int outside : {0, 25}) EXPECT_EQ(functionKeyCode(outside), 0);
}

TEST(Keys, AKeyNamedAsABrowserNamesItGetsItsCode) {
    const std::pair<std::string_view, int> codes[] = {{"ArrowLeft", key::kLeft}, {"Delete", key::kDelete}, {" ", key::kSpace},
                                                      {"F5", key::kF1 + 4}, {"F", 'F'}, {"F1x", 0}, {"中", 0}, {"Shift", 0}};
    for (auto [name, code] : codes) EXPECT_EQ(keyCodeOfName(name), code) << name;
}

TEST(TextInput, CharactersAreCountedAsAReaderCountsThem) {
    EXPECT_EQ(characterCount(U"𠀀"), 1u);
    EXPECT_EQ(characterCount(U"e\u0301a"), 2u);  // e with its accent, then a
    EXPECT_EQ(characterCount(U"👩\u200D👧"), 1u);
    EXPECT_EQ(codePointsOfUtf16(u16(U"𠀀x")), U"𠀀x");
    EXPECT_EQ(codePointsOfUtf8(std::string("\0\xE4\xB8", 3)), std::u32string(U"\0\uFFFD\uFFFD", 3));  // half a character is none
    EXPECT_LT(keyAsciiOf(U'中'), 0);
    EXPECT_TRUE(isControlCharacter(U'\u202E'));
    EXPECT_FALSE(isControlCharacter(U'\u200D'));
}

// Whatever road a change came by, the box keeps what the rules let in: the
// beginning of what fits, in whole characters, without control characters.
TEST(TextInput, AnEditKeepsTheBeginningOfWhatFitsInWholeCharacters) {
    FormFixture f;
    TextBox& title = f.form.Text5;  // 16 characters
    title.Text = utf8Of(std::u32string(14, U'a'));
    KeptEdit kept = keepEdit(f.form, title, u16(std::u32string(7, U'a') + U"𠀀e\u0301\t二" + std::u32string(7, U'a')), 12);
    EXPECT_TRUE(kept.changed);
    EXPECT_EQ(kept.text, u16(std::u32string(7, U'a') + U"𠀀e\u0301" + std::u32string(7, U'a')));
    EXPECT_EQ(kept.caret, 11u);  // after what was kept of the paste: 7 + 2 + 2 units
    EXPECT_EQ(title.Text, utf8Of(codePointsOfUtf16(kept.text)));

    title.Text = "";
    kept = keepEdit(f.form, title, u16(U"三年\u202E二班") + u'\xD840', 6);  // half a character is none
    EXPECT_EQ(kept.text, u"三年二班");
    EXPECT_EQ(kept.caret, 4u);
    kept = keepEdit(f.form, title, u"三年二", 3);  // a deletion stands
    EXPECT_FALSE(kept.changed);
    EXPECT_EQ(kept.caret, 3u);
    EXPECT_EQ(title.Text, "三年二");
}

TEST(TextInput, ANumberBoxRefusesWholeWhatNoKeyCouldType) {
    FormFixture f;
    TextBox& maximum = f.form.Text2;  // "50"
    for (std::u16string_view refused : {u"x950", u"1..50", u"-550", u"１２", u"5 0"}) {
        KeptEdit kept = keepEdit(f.form, maximum, refused, 1);
        EXPECT_TRUE(kept.changed);
        EXPECT_EQ(kept.text, u"50");
        EXPECT_EQ(maximum.Text, "50");
    }
    EXPECT_EQ(keepEdit(f.form, maximum, u"9", 1).text, u"9");  // a selection replaced by a digit
    EXPECT_EQ(keepEdit(f.form, maximum, u"9.25", 4).text, u"9.2");
    EXPECT_EQ(maximum.Text, "9.2");
}
