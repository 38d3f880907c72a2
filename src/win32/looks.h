// The window's fonts, colours and the way its graphical buttons, panels and
// frames are drawn.
#pragma once

#include "app/controls.h"

#include <windows.h>

#include <map>
#include <utility>

namespace kulbo {

class Looks {
public:
    explicit Looks(int dpi) : dpi_(dpi) {}
    ~Looks();
    Looks(const Looks&) = delete;
    Looks& operator=(const Looks&) = delete;

    int dpi() const { return dpi_; }
    void setDpi(int dpi);  // fonts are made anew at the new size

    // The control's font, with the GB2312 character set.
    HFONT font(const Control& control);
    HBRUSH brush(COLORREF colour);

    // The ground a control stands on: its own background colour, or the
    // nearest container's, or the system's face colour.
    COLORREF background(const Control& control) const;
    // Its text's colour: the disabled grey while it is disabled.
    COLORREF text(const Control& control) const;

private:
    int dpi_;
    std::map<std::pair<int, int>, HFONT> fonts_;  // by pixels and weight
    std::map<COLORREF, HBRUSH> brushes_;
};

// The picture, if any, is IconSize pixels at 96 dots per inch.
void paintGraphicalButton(const DRAWITEMSTRUCT& item, const CommandButton& button, Looks& looks, HICON picture);
void paintContainer(HDC dc, HWND window, const Control& container, Looks& looks);

}  // namespace kulbo
