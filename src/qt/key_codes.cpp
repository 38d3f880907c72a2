#include "qt/key_codes.h"

#include "app/keys.h"

#include <optional>

namespace kulbo {

namespace {

std::optional<NamedKey> namedKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return NamedKey::Enter;
    case Qt::Key_Backspace: return NamedKey::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return NamedKey::Tab;
    case Qt::Key_Escape: return NamedKey::Escape;
    case Qt::Key_Space: return NamedKey::Space;
    case Qt::Key_PageUp: return NamedKey::PageUp;
    case Qt::Key_PageDown: return NamedKey::PageDown;
    case Qt::Key_End: return NamedKey::End;
    case Qt::Key_Home: return NamedKey::Home;
    case Qt::Key_Left: return NamedKey::Left;
    case Qt::Key_Up: return NamedKey::Up;
    case Qt::Key_Right: return NamedKey::Right;
    case Qt::Key_Down: return NamedKey::Down;
    case Qt::Key_Insert: return NamedKey::Insert;
    case Qt::Key_Delete: return NamedKey::Delete;
    default: return std::nullopt;
    }
}

}  // namespace

int keyCodeOf(const QKeyEvent& key) {
    const int k = key.key();
    if (std::optional<NamedKey> named = namedKeyOf(k)) return keyCodeOf(*named);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return functionKeyCode(k - Qt::Key_F1 + 1);
    // Qt names a character's key by its Latin-1 code: the character it types.
    return k < 0x100 ? keyCodeOfCharacter(static_cast<char32_t>(k)) : 0;
}

int shiftMaskOf(const QKeyEvent& key) {
    int mask = 0;
    if (key.modifiers() & Qt::ShiftModifier) mask |= key::kShift;
    if (key.modifiers() & Qt::ControlModifier) mask |= key::kCtrl;
    if (key.modifiers() & Qt::AltModifier) mask |= key::kAlt;
    return mask;
}

}  // namespace kulbo
