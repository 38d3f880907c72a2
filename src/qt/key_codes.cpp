#include "qt/key_codes.h"

#include "app/text_input.h"
#include "app/view.h"

namespace kulbo {

int keyCodeOf(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return key::kEnter;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return key::kTab;
    case Qt::Key_Escape:
        return key::kEscape;
    case Qt::Key_Left:
        return key::kLeft;
    case Qt::Key_Up:
        return key::kUp;
    case Qt::Key_Right:
        return key::kRight;
    case Qt::Key_Down:
        return key::kDown;
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
    return k < 0x80 ? k : 0;  // a character beyond ASCII has no key code of its own
}

int shiftMaskOf(const QKeyEvent& key) {
    int mask = 0;
    if (key.modifiers() & Qt::ShiftModifier) mask |= key::kShift;
    if (key.modifiers() & Qt::ControlModifier) mask |= key::kCtrl;
    if (key.modifiers() & Qt::AltModifier) mask |= key::kAlt;
    return mask;
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
    if (!text.isEmpty()) return kulbo::keyAsciiOf(text.at(0).unicode());
    int k = key.key();
    if ((key.modifiers() & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z)
        return static_cast<std::int16_t>(k - Qt::Key_A + 1);
    return std::nullopt;
}

}  // namespace kulbo
