// The window's fonts: which faces, how many pixels, how heavy. Every
// program draws a control in the font this gives, the big display included.
#pragma once

#include "app/geometry.h"

#include <string>
#include <vector>

namespace kulbo {

class Control;

// The design's face: a system without it takes the next Song face it has.
inline constexpr const char* kDesignFace = "宋体";
inline constexpr int kDesignWeight = 400;  // normal, the big display's too

struct FontLook {
    std::vector<std::string> faces;  // in the order they are asked for
    int pixels = 0;
    int weight = kDesignWeight;
    bool operator==(const FontLook&) const = default;
};

// The font of the window itself and of its message boxes.
FontLook windowFont(int dpi = kDesignDpi);
// A control's font; the big display's as large as its box lets three
// digits stand clear of its edges.
FontLook fontOf(const Control& c, int dpi = kDesignDpi);

}  // namespace kulbo
