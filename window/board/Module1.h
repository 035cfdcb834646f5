#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>

namespace kalvado {

// The classic 3-D edge drawing: one-pixel lines in a light and a shadow
// colour around a rectangle, the inside left untouched.
constexpr std::uint32_t BDR_SUNKENOUTER = 0x2;
constexpr std::uint32_t BDR_RAISEDINNER = 0x4;
constexpr std::uint32_t BF_LEFT = 0x1;
constexpr std::uint32_t BF_TOP = 0x2;
constexpr std::uint32_t BF_RIGHT = 0x4;
constexpr std::uint32_t BF_BOTTOM = 0x8;
constexpr std::uint32_t BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;

// Right and bottom are exclusive.
struct RECT {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

struct EdgeColours {
    QColor light;
    QColor shadow;
};

// Draws the edge into the image, clipped to it. Raised: light along the top
// and left, shadow along the bottom and right; sunken: the other way round.
// The rectangle is in logical pixels; an image of another device pixel
// ratio gets every line in whole device pixels, all of one width.
void DrawEdge(QImage& image, const RECT& rc, std::uint32_t edge, std::uint32_t flags, const EdgeColours& colours);

// Lines one logical pixel wide are this many device pixels wide: the same
// for every line, at least one, growing with the ratio.
int DeviceLineWidth(qreal ratio);

} // namespace kalvado
