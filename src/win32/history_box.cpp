#include "win32/history_box.h"

#include "app/form1.h"
#include "app/history_lines.h"
#include "app/text_input.h"
#include "platform/windows/wide_text.h"

namespace kulbo {

HistoryBoxControl::HistoryBoxControl(TextBox& box, ControlContext& context) : NativeControl(box, context), box_(box) {}

ChildWindow HistoryBoxControl::describe() const {
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
    if (box_.Locked) style |= ES_READONLY;
    return {.windowClass = L"EDIT", .style = style, .extendedStyle = WS_EX_CLIENTEDGE, .text = {}};  // its text after its font
}

void HistoryBoxControl::sync() {
    std::wstring text = wide(box_.Text.get());
    if (windowText(handle()) != text) SetWindowTextW(handle(), text.c_str());
}

void HistoryBoxControl::appended(std::size_t from) {
    HWND box = handle();
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    LRESULT firstLine = SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
    int length = GetWindowTextLengthW(box);
    SendMessageW(box, EM_SETSEL, length, length);
    std::wstring added = wide(std::string_view(box_.Text.get()).substr(from));
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    SendMessageW(box, EM_SETSEL, start, end);
    SendMessageW(box, EM_LINESCROLL, 0, firstLine - SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0));
}

int HistoryBoxControl::linesInSight() const {
    RECT area;
    SendMessageW(handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(handle());
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(handle(), WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, before);
    ReleaseDC(handle(), dc);
    return history_lines::inSight(area.bottom - area.top, metrics.tmHeight);
}

LRESULT HistoryBoxControl::message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: {
        const std::wstring text = windowText(handle());
        DWORD caret = 0;
        SendMessageW(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        const auto first = static_cast<int>(SendMessageW(handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
        const std::u16string_view lines(reinterpret_cast<const char16_t*>(text.data()), text.size());
        if (auto move = history_lines::afterKey(static_cast<int>(wParam), lines, caret, first, linesInSight())) {
            SendMessageW(handle(), EM_SETSEL, move->caret, move->caret);
            SendMessageW(handle(), EM_LINESCROLL, 0, move->first - first);
            return 0;
        }
        break;
    }
    case WM_CHAR:
        if (hasKeyFilter(form(), box_) && !isControlCharacter(static_cast<char32_t>(wParam)) &&
            form().keyPress(box_, keyAsciiOf(static_cast<char32_t>(wParam))) == 0)
            return 0;
        break;
    case WM_PASTE:
        if (hasKeyFilter(form(), box_)) return 0;
        break;
    default:
        break;
    }
    return NativeControl::message(message, wParam, lParam);
}

}  // namespace kulbo
