#include "qt/key_codes.h"

#include "app/keys.h"

#include <utility>

namespace kulbo {

namespace {

constexpr std::pair<int, NamedKey> kNamedKeys[] = {
    {Qt::Key_Return, NamedKey::Enter},   {Qt::Key_Enter, NamedKey::Enter},       {Qt::Key_Backspace, NamedKey::Backspace},
    {Qt::Key_Tab, NamedKey::Tab},        {Qt::Key_Backtab, NamedKey::Tab},       {Qt::Key_Escape, NamedKey::Escape},
    {Qt::Key_Space, NamedKey::Space},    {Qt::Key_PageUp, NamedKey::PageUp},     {Qt::Key_PageDown, NamedKey::PageDown},
    {Qt::Key_End, NamedKey::End},        {Qt::Key_Home, NamedKey::Home},         {Qt::Key_Left, NamedKey::Left},
    {Qt::Key_Up, NamedKey::Up},          {Qt::Key_Right, NamedKey::Right},       {Qt::Key_Down, NamedKey::Down},
    {Qt::Key_Insert, NamedKey::Insert},  {Qt::Key_Delete, NamedKey::Delete},
};

}  // namespace

int keyCodeOf(const QKeyEvent& key) {
    const int k = key.key();
    for (auto [qtKey, named] : kNamedKeys)
        if (qtKey == k) return keyCodeOf(named);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return functionKeyCode(k - Qt::Key_F1 + 1);
    // Qt names a character's key by its Latin-1 code: the character it types.
    return k < 0x100 ? keyCodeOfCharacter(static_cast<char32_t>(k)) : 0;
}

int shiftMaskOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held = key.modifiers();
    return (held & Qt::ShiftModifier ? key::kShift : 0) | (held & Qt::ControlModifier ? key::kCtrl : 0) |
           (held & Qt::AltModifier ? key::kAlt : 0);
}

}  // namespace kulbo
