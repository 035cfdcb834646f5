#include "board/Module1.h"

#include <algorithm>
#include <cmath>

namespace kalvado {

namespace {

// A logical coordinate's device pixel edge at a ratio.
int toDevice(int logical, qreal ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
}

void fillDevice(QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, image.width());
    y1 = std::min(y1, image.height());
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            image.setPixel(x, y, colour);
}

} // namespace

int DeviceLineWidth(qreal ratio)
{
    return std::max(1, static_cast<int>(std::floor(ratio + 0.5)));
}

void DrawEdge(QImage& image, const RECT& rc, std::uint32_t edge, std::uint32_t flags, const EdgeColours& colours)
{
    const bool raised = (edge & BDR_RAISEDINNER) != 0;
    const QRgb topLeft = (raised ? colours.light : colours.shadow).rgb();
    const QRgb bottomRight = (raised ? colours.shadow : colours.light).rgb();
    const qreal r = image.devicePixelRatio();
    const int w = DeviceLineWidth(r);
    const int left = toDevice(rc.left, r), top = toDevice(rc.top, r);
    const int right = toDevice(rc.right, r), bottom = toDevice(rc.bottom, r);
    // Top and left first; the bottom and right lines then own the far
    // corners. The far lines end on the rectangle's device edge.
    if (flags & BF_TOP)
        fillDevice(image, left, top, right - w, top + w, topLeft);
    if (flags & BF_LEFT)
        fillDevice(image, left, top, left + w, bottom - w, topLeft);
    if (flags & BF_BOTTOM)
        fillDevice(image, left, bottom - w, right, bottom, bottomRight);
    if (flags & BF_RIGHT)
        fillDevice(image, right - w, top, right, bottom, bottomRight);
}

} // namespace kalvado
