#pragma once

#include <concepts>
#include <cstdint>
#include <optional>

#include "GameState.h"

namespace kalvado {

// Where things stand on the board surface, in its pixels (logical pixels on
// a screen of another ratio). Cells become pixels here and pixels cells,
// for the flow, the window, the tests, the fuzzers and the benchmarks alike.

// The left and top edge of column 0 and row 0, and the side of a cell.
constexpr int BOARD_ORIGIN = 12;
constexpr int CELL_SIZE = 57;
// The picture, and the sunken border the form gives it on every side.
constexpr int SURFACE_SIZE = 480;
constexpr int SURFACE_BORDER = 2;
constexpr int DISC_RADIUS = 20;
// The sunken frame runs two pixels outside the grid on every side.
constexpr int FRAME_MARGIN = 2;
constexpr int FRAME_LEFT = BOARD_ORIGIN - FRAME_MARGIN;
constexpr int FRAME_SIZE = BOARD_SIZE * CELL_SIZE + 2 * FRAME_MARGIN;

// A point and a rectangle of the surface. Each turns into any type that is
// built from its numbers in this order (QPoint, QRect, ...), so code with a
// toolkit takes them as its own.
struct PixelPoint {
    int x;
    int y;
    template <typename Point>
        requires std::constructible_from<Point, int, int>
    constexpr operator Point() const
    {
        return Point(x, y);
    }
};
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    template <typename Rect>
        requires std::constructible_from<Rect, int, int, int, int>
    constexpr operator Rect() const
    {
        return Rect(left, top, width, height);
    }
};

// A cell's square, its grid lines included.
constexpr PixelRect CellRect(int col, int row)
{
    return {BOARD_ORIGIN + CELL_SIZE * col, BOARD_ORIGIN + CELL_SIZE * row, CELL_SIZE, CELL_SIZE};
}

// A disc's centre: one pixel right of and below its cell's middle pixel.
constexpr PixelPoint DiscCentre(int col, int row)
{
    constexpr int offset = BOARD_ORIGIN + CELL_SIZE / 2 + 1;
    return {CELL_SIZE * col + offset, CELL_SIZE * row + offset};
}

struct CellPos {
    int col;
    int row;
    bool operator==(const CellPos&) const = default;
};

// The column (from X) or row (from Y) under a position on the board
// surface. The result may lie outside 0..7; it is empty only for a
// position that cannot be turned into a 16-bit number (not finite, huge).
std::optional<std::int16_t> CellFromPosition(float coordinate);

// The cell a release at (x, y) on the board surface plays, and the one the
// screen reader's hit test names there; empty off the grid.
std::optional<CellPos> CellAt(float x, float y);

} // namespace kalvado
