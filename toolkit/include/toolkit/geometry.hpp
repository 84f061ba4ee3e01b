// Lengths of the window layouts are given in twips; Qt works in logical pixels.
#pragma once

#include <QRect>
#include <QSize>

namespace toolkit {

inline constexpr int twipsPerPixel = 15;

constexpr int px(int twips) { return twips / twipsPerPixel; }

constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

constexpr QSize sizeFromTwips(int width, int height) { return {px(width), px(height)}; }

} // namespace toolkit
