#include "BoardGeometry.h"

#include <cmath>
#include <limits>

namespace kalvado {

std::optional<std::int16_t> CellFromPosition(float coordinate)
{
    const float d = coordinate - static_cast<float>(BOARD_ORIGIN);
    if (!std::isfinite(d))
        return std::nullopt;
    // Round half to even (the default rounding mode), then divide with
    // truncation toward zero, so the strip left of the grid still reads 0.
    const double rounded = std::nearbyint(static_cast<double>(d));
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    const std::int32_t q = static_cast<std::int32_t>(rounded) / CELL_SIZE;
    if (q < std::numeric_limits<std::int16_t>::min() || q > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(q);
}

std::optional<CellPos> CellAt(float x, float y)
{
    const auto col = CellFromPosition(x);
    const auto row = CellFromPosition(y);
    // The frame, the strip beyond it, and anything outside the surface.
    if (!col || !row || !onBoard(*col, *row))
        return std::nullopt;
    return CellPos{*col, *row};
}

} // namespace kalvado
