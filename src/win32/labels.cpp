#include "win32/labels.h"

#include "app/controls.h"
#include "platform/windows/wide_text.h"
#include "win32/containers.h"
#include "win32/looks.h"

namespace kulbo {

LabelControl::LabelControl(Label& label, ControlContext& context) : NativeControl(label, context), label_(label) {}

ChildWindow LabelControl::describe() const {
    return {.windowClass = L"STATIC",
            .style = static_cast<DWORD>(SS_NOPREFIX | (label_.Centered ? SS_CENTER : SS_LEFT) |
                                        (label_.BigDisplay ? SS_CENTERIMAGE : 0)),  // the digits in the middle
            .text = wide(label_.Caption.get())};
}

void LabelControl::sync() {
    SetWindowTextW(handle(), wide(label_.Caption.get()).c_str());
    if (label_.AutoSize) place();
}

void LabelControl::place() {
    NativeControl::place();
    if (!label_.AutoSize) return;
    HDC dc = GetDC(handle());
    HGDIOBJ before = SelectObject(dc, looks().font(label_));
    std::wstring text = wide(label_.Caption.get());
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, before);
    ReleaseDC(handle(), dc);
    SetWindowPos(handle(), nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// What the panel or frame shows beneath the label (a frame's caption under
// the big display) stays in sight: the container is painted into the label,
// which then writes its text over it.
LRESULT LabelControl::colours(HDC dc) {
    auto* container = dynamic_cast<ContainerControl*>(NativeControl::of(GetParent(handle())));
    if (label_.BackColor || !container) return NativeControl::colours(dc);
    RECT place;
    GetWindowRect(handle(), &place);
    MapWindowPoints(nullptr, container->handle(), reinterpret_cast<POINT*>(&place), 2);
    POINT origin;
    SetViewportOrgEx(dc, -place.left, -place.top, &origin);
    container->paint(dc);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, looks().text(label_));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

}  // namespace kulbo
