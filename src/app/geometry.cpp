#include "app/geometry.h"

#include "app/window_model.h"

#include <algorithm>
#include <cmath>

namespace kulbo {

namespace {

constexpr int kTwipsPerInch = 1440;

// What a frame and caption take at the design.
constexpr int kFrameWidthTwips = kDesignOuterWidth - kDesignClientWidth;
constexpr int kFrameHeightTwips = kDesignOuterHeight - kDesignClientHeight;

}  // namespace

int pixelsFromTwips(int twips, int dpi) { return static_cast<int>(std::lround(twips * double(dpi) / kTwipsPerInch)); }

int twipsFromPixels(int pixels, int dpi) { return static_cast<int>(std::lround(pixels * double(kTwipsPerInch) / dpi)); }

int fontPixels(double points, int dpi) { return std::max(1, static_cast<int>(std::lround(points * dpi / 72))); }

PixelSize clientSizeForOuter(int outerWidthTwips, int outerHeightTwips, int dpi) {
    return {std::max(1, pixelsFromTwips(outerWidthTwips - kFrameWidthTwips, dpi)),
            std::max(1, pixelsFromTwips(outerHeightTwips - kFrameHeightTwips, dpi))};
}

void outerSizeForClient(PixelSize client, int dpi, int& outerWidthTwips, int& outerHeightTwips) {
    outerWidthTwips = twipsFromPixels(client.width, dpi) + kFrameWidthTwips;
    outerHeightTwips = twipsFromPixels(client.height, dpi) + kFrameHeightTwips;
}

double fittingScaleFactor(double requested, PixelSize available) {
    const int clientWidth = pixelsFromTwips(kDesignClientWidth), clientHeight = pixelsFromTwips(kDesignClientHeight);
    const int frameWidth = pixelsFromTwips(kDesignOuterWidth) - clientWidth;
    const int frameHeight = pixelsFromTwips(kDesignOuterHeight) - clientHeight;
    auto fits = [&](double factor) {
        return clientWidth * factor + frameWidth <= available.width &&
               clientHeight * factor + frameHeight <= available.height;
    };
    if (fits(requested)) return requested;
    for (double factor : {2.0, 1.5}) {
        if (factor < requested && fits(factor)) return factor;
    }
    return 1;
}

double pageScale(double viewportWidth, double viewportHeight, double corner) {
    const double width = pixelsFromTwips(kDesignClientWidth), height = pixelsFromTwips(kDesignClientHeight);
    auto scale = [&](double spareWidth, double spareHeight) {
        return std::min((viewportWidth - spareWidth) / width, (viewportHeight - spareHeight) / height);
    };
    const double whole = scale(0, 0);
    if (viewportWidth - whole * width >= corner || viewportHeight - whole * height >= corner) return whole;
    return std::max(scale(corner, 0), scale(0, corner));
}

PixelRect placeOf(const Control& c, int dpi) {
    return {pixelsFromTwips(c.Left, dpi), pixelsFromTwips(c.Top, dpi), pixelsFromTwips(c.Width, dpi),
            pixelsFromTwips(c.Height, dpi)};
}

}  // namespace kulbo
