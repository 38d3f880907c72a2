// Qt key events in the numbers the window's handlers speak.
#pragma once

#include <QKeyEvent>

#include <cstdint>
#include <optional>

namespace kulbo {

// Virtual-key code for the form's KeyDown (Enter is 13).
int keyCodeOf(const QKeyEvent& key);

// Bit mask: 1 Shift, 2 Ctrl, 4 Alt.
int shiftMaskOf(const QKeyEvent& key);

// The character code a typed key hands to a box's KeyPress filter, or none
// for keys that type nothing (arrows, Delete, Tab, function keys). Control
// characters keep their codes (Ctrl+V is 22); a character beyond ASCII, as
// an input method sends it, is a negative double-byte code.
std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& key);

}  // namespace kulbo
