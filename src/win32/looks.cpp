#include "win32/looks.h"

#include "app/fonts.h"
#include "app/window_model.h"
#include "platform/windows/wide_text.h"

namespace kulbo {

namespace {

COLORREF colourOf(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

std::wstring captionOf(const Control& c) {
    auto* captioned = dynamic_cast<const CaptionedControl*>(&c);
    return captioned ? wide(captioned->Caption.get()) : std::wstring();
}

}  // namespace

Looks::~Looks() {
    for (auto& [size, font] : fonts_) DeleteObject(font);
    for (auto& [colour, brush] : brushes_) DeleteObject(brush);
}

void Looks::setDpi(int dpi) {
    if (dpi == dpi_) return;
    for (auto& [size, font] : fonts_) DeleteObject(font);
    fonts_.clear();
    dpi_ = dpi;
}

// GDI takes one face: the design's, which the system stands in for where
// it is missing.
HFONT Looks::font(const Control& control) {
    const FontLook look = fontOf(control, dpi_);
    HFONT& font = fonts_[{look.pixels, look.weight}];
    if (!font)
        font = CreateFontW(-look.pixels, 0, 0, 0, look.weight, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wide(kDesignFace).c_str());
    return font;
}

HBRUSH Looks::brush(COLORREF colour) {
    HBRUSH& brush = brushes_[colour];
    if (!brush) brush = CreateSolidBrush(colour);
    return brush;
}

COLORREF Looks::background(const Control& control) const {
    for (const Control* c = &control; c; c = c->container)
        if (c->BackColor) return colourOf(*c->BackColor);
    return GetSysColor(COLOR_BTNFACE);
}

COLORREF Looks::text(const Control& control) const {
    if (!control.Enabled) return colourOf(kDisabledText);
    return control.ForeColor ? colourOf(*control.ForeColor) : GetSysColor(COLOR_BTNTEXT);
}

void paintGraphicalButton(const DRAWITEMSTRUCT& item, const CommandButton& button, Looks& looks, HICON picture) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    FillRect(dc, &area, looks.brush(looks.background(button)));
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (pressed) OffsetRect(&area, 1, 1);

    RECT caption = area;
    if (picture) {  // the picture above, the caption in the room below it
        const int side = MulDiv(button.IconSize, looks.dpi(), kDesignDpi);
        const int top = area.top + MulDiv(4, looks.dpi(), kDesignDpi);
        DrawIconEx(dc, (area.left + area.right - side) / 2, top, picture, side, side, 0, nullptr, DI_NORMAL);
        caption.top = top + side;
    }
    HGDIOBJ before = SelectObject(dc, looks.font(button));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, looks.text(button));
    std::wstring text = captionOf(button);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption,
              DT_CENTER | DT_SINGLELINE | DT_VCENTER | (item.itemState & ODS_NOACCEL ? DT_HIDEPREFIX : 0));
    SelectObject(dc, before);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

// A frame: an etched border with the caption set into its top edge.
void paintContainer(HDC dc, HWND window, const Control& container, Looks& looks) {
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, looks.brush(looks.background(container)));
    if (container.kind != Kind::Frame) return;

    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    std::wstring caption = captionOf(container);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    RECT edge = area;
    edge.top += extent.cy / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    const int indent = MulDiv(8, looks.dpi(), kDesignDpi);
    RECT text{area.left + indent, area.top, area.left + indent + extent.cx + 4, area.top + extent.cy};
    FillRect(dc, &text, looks.brush(looks.background(container)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, looks.text(container));
    TextOutW(dc, text.left + 2, text.top, caption.c_str(), static_cast<int>(caption.size()));
    SelectObject(dc, before);
}

}  // namespace kulbo
