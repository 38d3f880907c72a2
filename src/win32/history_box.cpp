#include "win32/history_box.h"

#include "app/form1.h"
#include "app/text_input.h"
#include "app/view.h"
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

int HistoryBoxControl::currentLine() const { return static_cast<int>(SendMessageW(handle(), EM_LINEFROMCHAR, -1, 0)); }

// Every line ends with a line break: the empty line after the last is none.
int HistoryBoxControl::lineCount() const {
    int lines = static_cast<int>(SendMessageW(handle(), EM_GETLINECOUNT, 0, 0));
    LRESULT lastStart = SendMessageW(handle(), EM_LINEINDEX, lines - 1, 0);
    return lines > 0 && SendMessageW(handle(), EM_LINELENGTH, lastStart, 0) == 0 ? lines - 1 : lines;
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
    return metrics.tmHeight > 0 ? (area.bottom - area.top) / metrics.tmHeight : 1;
}

void HistoryBoxControl::moveTo(int line) {
    LRESULT start = SendMessageW(handle(), EM_LINEINDEX, line, 0);
    SendMessageW(handle(), EM_SETSEL, start, start);
    SendMessageW(handle(), EM_SCROLLCARET, 0, 0);
}

LRESULT HistoryBoxControl::message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (auto line = View::historyLineAfterKey(static_cast<int>(wParam), currentLine(), lineCount(), linesInSight())) {
            moveTo(*line);
            return 0;
        }
        break;
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
