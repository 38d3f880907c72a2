#include "win32/win32_driver.h"

#include "app/unicode.h"
#include "platform/windows/wide_text.h"
#include "win32/history_box.h"
#include "win32/message_loop.h"

#include <oleacc.h>

namespace kulbo::testing {

namespace {

void putOnClipboard(std::u32string_view text) {
    std::u16string units = utf16Of(text);
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (units.size() + 1) * sizeof(char16_t));
    std::copy(units.c_str(), units.c_str() + units.size() + 1, static_cast<char16_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

using ReaderQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

std::string readerText(HWND window, ReaderQuestion question) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
        return "<no object>";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    (object->*question)(self, &text);
    std::string result = text ? utf8(text) : std::string();
    SysFreeString(text);
    object->Release();
    return result;
}

}  // namespace

Win32Driver::Win32Driver() {
    dialogs_.setWindow(&window_);
    program_.form().load();
    window_.showCentred(program_.view().firstFocus());
    SetForegroundWindow(window_.handle());
    pump();
}

void Win32Driver::pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) deliver(window_, message);
}

void Win32Driver::focus(const Control& control) {
    SetFocus(handle(control));
    pump();
}

const Control* Win32Driver::focused() { return window_.controls().controlOf(GetFocus()); }

void Win32Driver::press(NamedKey key, int shift) { stroke(static_cast<UINT>(keyCodeOf(key)), shift, 0); }

// The key that types the character, or a packet as an input method sends it.
void Win32Driver::press(char32_t c, int shift) {
    SHORT typed = c < 0x10000 ? VkKeyScanW(static_cast<wchar_t>(c)) : -1;
    if (typed != -1 && LOBYTE(typed) != 0xFF) return stroke(LOBYTE(typed), shift | HIBYTE(typed), 0);
    for (char16_t unit : utf16Of(std::u32string(1, c))) stroke(VK_PACKET, shift, unit);
}

void Win32Driver::type(std::u32string_view characters) {
    for (char32_t c : characters) press(c, 0);
}

void Win32Driver::paste(std::u32string_view text, PasteRoad road) {
    putOnClipboard(text);
    switch (road) {
    case PasteRoad::CtrlV: stroke('V', key::kCtrl, 0); break;
    case PasteRoad::ShiftInsert: stroke(VK_INSERT, key::kShift, 0); break;
    case PasteRoad::BoxCommand: SendMessageW(GetFocus(), WM_PASTE, 0, 0); break;
    }
}

std::u32string Win32Driver::shownText(const TextBox& box) {
    std::wstring text = windowText(handle(box));
    return codePointsOfUtf16({reinterpret_cast<const char16_t*>(text.data()), text.size()});
}

std::string Win32Driver::windowTitle() { return utf8(windowText(window_.handle())); }

std::string Win32Driver::readerName(const Control& c) { return readerText(handle(c), &IAccessible::get_accName); }

std::string Win32Driver::readerDescription(const Control& c) {
    return readerText(handle(c), &IAccessible::get_accDescription);
}

int Win32Driver::historyLine() {
    return static_cast<int>(SendMessageW(handle(program_.form().Text6), EM_LINEFROMCHAR, -1, 0));
}

int Win32Driver::historyLinesInSight() {
    return dynamic_cast<HistoryBoxControl&>(*window_.controls().nativeOf(program_.form().Text6)).linesInSight();
}

void Win32Driver::closeWindow() { SendMessageW(window_.handle(), WM_CLOSE, 0, 0); }

// Down and up, the modifiers held meanwhile; a packet carries its character
// where the scan code would be.
void Win32Driver::stroke(UINT virtualKey, int shift, char16_t packet) {
    BYTE before[256], held[256];
    GetKeyboardState(before);
    std::copy(before, before + 256, held);
    const std::pair<int, UINT> modifiers[] = {{key::kShift, VK_SHIFT}, {key::kCtrl, VK_CONTROL}, {key::kAlt, VK_MENU}};
    for (auto [mask, modifier] : modifiers) held[modifier] = (shift & mask) ? 0x80 : 0;
    SetKeyboardState(held);
    const UINT scan = packet ? packet : MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const bool alt = shift & key::kAlt;
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16) | (alt ? 1 << 29 : 0);
    const LPARAM up = down | (static_cast<LPARAM>(3) << 30);
    const UINT keyDown = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, keyUp = alt ? WM_SYSKEYUP : WM_KEYUP;
    HWND target = GetFocus() ? GetFocus() : window_.handle();
    deliver(window_, MSG{target, keyDown, virtualKey, down, GetTickCount(), {}});
    pump();
    deliver(window_, MSG{GetFocus() ? GetFocus() : target, keyUp, virtualKey, up, GetTickCount(), {}});
    pump();
    SetKeyboardState(before);
}

std::unique_ptr<FrontEndDriver> makeDriver() { return std::make_unique<Win32Driver>(); }

}  // namespace kulbo::testing
