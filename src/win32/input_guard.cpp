#include "win32/input_guard.h"

#include "app/form1.h"
#include "app/text_input.h"
#include "win32/accessible_name.h"

#include <imm.h>

namespace kulbo {

namespace {

struct Guard {
    Form1& form;
    TextBox& box;
    std::wstring accessibleName;
    WNDPROC original;
};

constexpr const wchar_t* kGuardProperty = L"Kulbo.Guard";

Guard* guardOf(HWND window) { return static_cast<Guard*>(GetPropW(window, kGuardProperty)); }

bool filtered(const Guard& guard) { return refusesPaste(guard.form, guard.box); }

LRESULT CALLBACK guardedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Guard& guard = *guardOf(window);
    switch (message) {
    case WM_CHAR:
        if (filtered(guard)) {
            if (guard.form.keyPress(guard.box, keyAsciiOf(static_cast<char32_t>(wParam))) == 0) return 0;
        } else if (wParam == L'\r' || wParam == L'\n' || wParam == 0x1B) {
            return 0;
        }
        break;
    case WM_PASTE:
        if (filtered(guard)) return 0;
        break;
    case WM_IME_COMPOSITION:
        if (filtered(guard) && (lParam & GCS_RESULTSTR)) {
            HIMC context = ImmGetContext(window);
            LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
            std::wstring text(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0, L'\0');
            if (bytes > 0) ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), bytes);
            ImmReleaseContext(window, context);
            commitText(window, text);
            return 0;
        }
        break;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
            if (LRESULT answer = namedAccessibleObject(window, wParam, guard.accessibleName)) return answer;
        }
        break;
    case WM_NCDESTROY: {
        WNDPROC original = guard.original;
        RemovePropW(window, kGuardProperty);
        delete &guard;
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    default:
        break;
    }
    return CallWindowProcW(guard.original, window, message, wParam, lParam);
}

}  // namespace

void guardTextBox(HWND window, Form1& form, TextBox& box, std::wstring accessibleName) {
    auto* guard = new Guard{form, box, std::move(accessibleName), nullptr};
    SetPropW(window, kGuardProperty, guard);
    guard->original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&guardedProcedure)));
}

// Each admitted character goes to the box itself, past the filter that
// already let it through, before the next is tested.
void commitText(HWND window, std::wstring_view text) {
    Guard& guard = *guardOf(window);
    typeEach(guard.form, guard.box, codePoints(text), [&](char32_t c) {
        for (wchar_t unit : utf16(std::u32string_view(&c, 1)))
            CallWindowProcW(guard.original, window, WM_CHAR, unit, 1);
    });
}

std::u32string codePoints(std::wstring_view text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        points += c;
    }
    return points;
}

std::wstring utf16(std::u32string_view text) {
    std::wstring units;
    for (char32_t c : text) {
        if (c < 0x10000) {
            units += static_cast<wchar_t>(c);
        } else {
            units += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return units;
}

}  // namespace kulbo
