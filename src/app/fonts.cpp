#include "app/fonts.h"

#include "app/controls.h"

#include <algorithm>

namespace kulbo {

namespace {

// 宋体 and the Song faces that stand in for it on other systems.
const std::vector<std::string> kSongFaces = {kDesignFace,       "SimSun",           "AR PL SungtiL GB",
                                             "AR PL UMing CN",  "Noto Serif CJK SC", "Noto Sans CJK SC"};

// The Song faces' Latin letters are monospaced: Latin text takes a
// proportional serif that sits well beside them, the Chinese the Song face.
const std::vector<std::string> kLatinFaces = {"Liberation Serif", "Times New Roman", "DejaVu Serif"};

// A Song face's digit: half an em wide, its ink at most 0.7 em high.
constexpr double kDigitWidth = 0.5, kDigitHeight = 0.7;

FontLook textFont(double points, int dpi) {
    FontLook font{kLatinFaces, fontPixels(points, dpi)};
    font.faces.insert(font.faces.end(), kSongFaces.begin(), kSongFaces.end());
    return font;
}

bool isBigDisplay(const Control& c) { return c.kind == Kind::Label && static_cast<const Label&>(c).BigDisplay; }

}  // namespace

FontLook windowFont(int dpi) { return textFont(9, dpi); }

FontLook fontOf(const Control& c, int dpi) {
    if (!isBigDisplay(c)) return textFont(c.FontSize, dpi);
    // Three digits within nine tenths of the width and two thirds of the
    // height: the frame around the display stays clear.
    const double across = 0.9 * pixelsFromTwips(c.Width, dpi) / (3 * kDigitWidth);
    const double high = 0.65 * pixelsFromTwips(c.Height, dpi) / kDigitHeight;
    const int pixels = std::min({fontPixels(c.FontSize, dpi), static_cast<int>(across), static_cast<int>(high)});
    return {kSongFaces, std::max(8, pixels)};
}

}  // namespace kulbo
