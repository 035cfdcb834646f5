#include "Module1.h"

#include <algorithm>

namespace kalvado {

namespace {

void hline(QImage& image, int x0, int x1, int y, QRgb colour)
{
    if (y < 0 || y >= image.height())
        return;
    for (int x = std::max(x0, 0); x < std::min(x1, image.width()); ++x)
        image.setPixel(x, y, colour);
}

void vline(QImage& image, int x, int y0, int y1, QRgb colour)
{
    if (x < 0 || x >= image.width())
        return;
    for (int y = std::max(y0, 0); y < std::min(y1, image.height()); ++y)
        image.setPixel(x, y, colour);
}

} // namespace

void DrawEdge(QImage& image, const RECT& rc, std::uint32_t edge, std::uint32_t flags, const EdgeColours& colours)
{
    const bool raised = (edge & BDR_RAISEDINNER) != 0;
    const QRgb topLeft = (raised ? colours.light : colours.shadow).rgb();
    const QRgb bottomRight = (raised ? colours.shadow : colours.light).rgb();
    // Top and left first; the bottom and right lines then own the far corners.
    if (flags & BF_TOP)
        hline(image, rc.left, rc.right - 1, rc.top, topLeft);
    if (flags & BF_LEFT)
        vline(image, rc.left, rc.top, rc.bottom - 1, topLeft);
    if (flags & BF_BOTTOM)
        hline(image, rc.left, rc.right, rc.bottom - 1, bottomRight);
    if (flags & BF_RIGHT)
        vline(image, rc.right - 1, rc.top, rc.bottom, bottomRight);
}

} // namespace kalvado
