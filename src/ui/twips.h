#pragma once

#include <QRect>
#include <QSize>

namespace quorvel {

// Geometry is designed in twips: 1440 per logical inch, 15 per logical pixel
// at 96 dpi. Qt's high-DPI scaling maps logical pixels to the screen.
constexpr int twips(int value) { return (value + (value >= 0 ? 7 : -7)) / 15; }
constexpr int toTwips(int pixels) { return pixels * 15; }
constexpr QSize twipsSize(int width, int height) { return {twips(width), twips(height)}; }
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace quorvel
