// Keys as the window's KeyDown sees them: the key codes of the program's
// own platform, whatever toolkit delivers the key. A front end hands its
// toolkit's named keys over as NamedKey and its other keys as the character
// they type; the code each gets is decided here.
#pragma once

#include <string_view>

namespace kulbo {

namespace key {
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int kF1 = 112;

// Shift masks.
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
}  // namespace key

enum class NamedKey { Backspace, Tab, Enter, Escape, Space, PageUp, PageDown, End, Home, Left, Up, Right, Down, Insert, Delete };

int keyCodeOf(NamedKey key);

// Function key F1 .. F24.
int functionKeyCode(int number);

// The key that types the character on the usual keyboard, shifted or not:
// a letter's capital, a digit, or a punctuation key's own code ("'" and '"'
// share one, "%" is the key of 5). 0 for a character no key of its own
// types: it must not pass for Enter, Delete or an arrow key.
int keyCodeOfCharacter(char32_t character);

// A key by the name a browser's keyboard event gives it ("ArrowLeft", "F5",
// " ", "a"): a named key's code, a function key's, or that of the key that
// types the character; 0 for any other.
int keyCodeOfName(std::string_view name);

// What a key that types no character of its own hands to a box's KeyPress
// filter: Backspace, Enter and Escape their control characters, Ctrl with a
// letter (Alt not held: with Ctrl it types the letter's other character)
// the letter's, 1 to 26. 0 for any other key.
int controlCharacterOfKey(int keyCode, int shift);

}  // namespace kulbo
