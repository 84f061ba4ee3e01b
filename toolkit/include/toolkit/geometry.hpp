// Lengths of the window layouts are given in twips; Qt works in logical pixels.
#pragma once

#include <QRect>
#include <QSize>

namespace toolkit {

inline constexpr int twipsPerPixel = 15;

constexpr int px(int twips) { return twips / twipsPerPixel; }

// A control's rectangle inside its parent.
struct Twips {
    int left, top, width, height;
    constexpr QRect inPixels() const { return {px(left), px(top), px(width), px(height)}; }
};

constexpr QSize sizeFromTwips(QSize twips) { return {px(twips.width()), px(twips.height())}; }

} // namespace toolkit
