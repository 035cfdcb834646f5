#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kalvado {

// The board surface's geometry, in its pixels: the left and top edge of
// column 0 and row 0, and the side of a cell.
constexpr int BOARD_ORIGIN = 12;
constexpr int CELL_SIZE = 57;
// A disc is centred one pixel right of and below its cell's middle pixel.
constexpr int DISC_OFFSET = BOARD_ORIGIN + CELL_SIZE / 2 + 1;

// From a cell to the surface's pixels, along either axis: the first pixel
// of column (or row) k, and its disc's centre. CellAt goes the other way.
constexpr int CellStart(int k)
{
    return BOARD_ORIGIN + CELL_SIZE * k;
}
constexpr int DiscMiddle(int k)
{
    return CELL_SIZE * k + DISC_OFFSET;
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

// A number as the read-out shows it: a blank or "-" before the digits.
std::string NumberText(long value);

} // namespace kalvado
