#include "app/front_end/key_codes.h"

namespace kulbo {

int keyCodeOf(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Delete:
        return 46;
    default:
        break;
    }
    int k = key.key();
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 112 + (k - Qt::Key_F1);
    return k & 0xFF;
}

int shiftMaskOf(const QKeyEvent& key) {
    int mask = 0;
    if (key.modifiers() & Qt::ShiftModifier) mask |= 1;
    if (key.modifiers() & Qt::ControlModifier) mask |= 2;
    if (key.modifiers() & Qt::AltModifier) mask |= 4;
    return mask;
}

std::int16_t keyAsciiOf(QChar character) {
    char16_t c = character.unicode();
    if (c < 0x80) return static_cast<std::int16_t>(c);
    return static_cast<std::int16_t>(0x8000 | (c & 0x7FFF));
}

std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    QString text = key.text();
    if (!text.isEmpty()) return keyAsciiOf(text.at(0));
    int k = key.key();
    if ((key.modifiers() & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
        return static_cast<std::int16_t>(k - Qt::Key_A + 1);
    return std::nullopt;
}

}  // namespace kulbo
