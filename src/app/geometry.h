// Twips, points and pixels: the design speaks twips (1/1440 inch) and
// points, the screens speak pixels at their dots per inch.
#pragma once

namespace kulbo {

class Control;

inline constexpr int kDesignDpi = 96;  // 15 twips a pixel

int pixelsFromTwips(int twips, int dpi = kDesignDpi);
int twipsFromPixels(int pixels, int dpi = kDesignDpi);

// The height of a font of this many points, in pixels, at least one.
int fontPixels(double points, int dpi = kDesignDpi);

struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

// Where a control lies in its container, and how large, at this scale.
struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
};
PixelRect placeOf(const Control& control, int dpi = kDesignDpi);

// The model holds the window's outer size; the front ends size its client
// area, which is the outer size less the frame and caption of the design.
PixelSize clientSizeForOuter(int outerWidthTwips, int outerHeightTwips, int dpi = kDesignDpi);
void outerSizeForClient(PixelSize client, int dpi, int& outerWidthTwips, int& outerHeightTwips);

// A projector's enlargement of the design window (client area scaled, its
// frame not) on a screen with this much room, in device pixels: the factor
// asked for when the window fits at it, else the largest of 2 and 1.5 below
// it that fits, else 1.
double fittingScaleFactor(double requested, PixelSize available);

// The page's design window scaled whole to a viewport of this size, in CSS
// pixels, with a control `corner` pixels square in its top right corner: as
// large as fits, unless the window would then cover the control; then smaller,
// leaving the control room beside or below it, whichever is the larger.
double pageScale(double viewportWidth, double viewportHeight, double corner);

}  // namespace kulbo
