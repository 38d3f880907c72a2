#include "win32/text_boxes.h"

#include "app/form1.h"
#include "app/program.h"
#include "app/text_input.h"
#include "app/unicode.h"
#include "platform/windows/wide_text.h"

#include <imm.h>

namespace kulbo {

namespace {

std::u16string_view units(std::wstring_view text) { return {reinterpret_cast<const char16_t*>(text.data()), text.size()}; }

std::wstring wideOf(const std::u16string& text) { return {text.begin(), text.end()}; }

std::wstring committedText(HWND window) {
    HIMC context = ImmGetContext(window);
    LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    std::wstring text(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0, L'\0');
    if (bytes > 0) ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), bytes);
    ImmReleaseContext(window, context);
    return text;
}

}  // namespace

TextBoxControl::TextBoxControl(TextBox& box, ControlContext& context) : NativeControl(box, context), box_(box) {}

ChildWindow TextBoxControl::describe() const {
    DWORD style = ES_AUTOHSCROLL;
    if (box_.Locked) style |= ES_READONLY;
    if (box_.PasswordChar) style |= ES_PASSWORD;
    // Its text comes once it has its font (sync): an edit control lays its
    // text out at once, in the system's font otherwise.
    return {.windowClass = L"EDIT", .style = style, .extendedStyle = WS_EX_CLIENTEDGE, .text = {}};
}

void TextBoxControl::sync() {
    if (box_.PasswordChar) SendMessageW(handle(), EM_SETPASSWORDCHAR, static_cast<WPARAM>(box_.PasswordChar), 0);
    std::wstring text = wide(box_.Text.get());
    if (windowText(handle()) != text) SetWindowTextW(handle(), text.c_str());
}

bool TextBoxControl::filtered() const { return hasKeyFilter(form(), box_); }

// Each admitted character goes to the box past the filter that let it in.
void TextBoxControl::commit(std::wstring_view text) {
    program().type(box_, codePointsOfUtf16(units(text)), [this](char32_t c) { insert(c); });
}

// One change, so the box never holds half a character.
void TextBoxControl::insert(char32_t character) {
    std::wstring text = wideOf(utf16Of(std::u32string(1, character)));
    if (text.size() == 1)
        passOn(WM_CHAR, text[0], 1);
    else
        SendMessageW(handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// A character beyond the Basic Multilingual Plane comes in two halves.
LRESULT TextBoxControl::character(WPARAM unit, LPARAM lParam) {
    if (unit >= 0xD800 && unit < 0xDC00) {
        highSurrogate_ = static_cast<wchar_t>(unit);
        return 0;
    }
    char32_t c = static_cast<char32_t>(unit);
    if (unit >= 0xDC00 && unit < 0xE000) {
        if (!highSurrogate_) return 0;
        c = 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (c - 0xDC00);
    }
    highSurrogate_ = 0;
    // The filter saw the control characters as their keys went down.
    if (filtered()) {
        if (!isControlCharacter(c) && form().keyPress(box_, keyAsciiOf(c)) == 0) return 0;
    } else if (c == U'\r' || c == U'\n' || c == 0x1B) {
        return 0;  // a single-line box only beeps at them
    }
    if (c < 0x10000) return passOn(WM_CHAR, unit, lParam);
    insert(c);
    return 0;
}

LRESULT TextBoxControl::message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
        return character(wParam, lParam);
    case WM_PASTE:
        if (filtered()) return 0;
        break;
    case WM_IME_COMPOSITION:
        if (filtered() && (lParam & GCS_RESULTSTR)) {
            commit(committedText(handle()));
            return 0;
        }
        break;
    default:
        break;
    }
    return NativeControl::message(message, wParam, lParam);
}

void TextBoxControl::command(int notification) {
    if (notification == EN_CHANGE && !keeping_) keep();
}

// Whatever road the change came by, the box keeps what the program keeps.
void TextBoxControl::keep() {
    keeping_ = true;
    DWORD caret = 0;
    SendMessageW(handle(), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    KeptEdit kept = keepEdit(form(), box_, units(windowText(handle())), caret);
    if (kept.changed) {
        std::wstring text = wideOf(kept.text);
        if (windowText(handle()) != text) SetWindowTextW(handle(), text.c_str());
        SendMessageW(handle(), EM_SETSEL, kept.caret, kept.caret);
    }
    keeping_ = false;
}

}  // namespace kulbo
