#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

#include "GameState.h"
#include "Position.h"

namespace kalvado {

// Where things stand on the board surface, in its logical pixels.
constexpr int SURFACE_SIZE = 480;
constexpr int DISC_RADIUS = 20;
// The sunken frame runs two pixels outside the grid on every side.
constexpr int FRAME_MARGIN = 2;
constexpr int FRAME_LEFT = BOARD_ORIGIN - FRAME_MARGIN;
constexpr int FRAME_SIZE = BOARD_SIZE * CELL_SIZE + 2 * FRAME_MARGIN;

// The sunken border the form gives the surface around its picture.
constexpr int SURFACE_BORDER = 2;

// The keyboard's cell cursor: a frame between a cell's grid lines and its
// disc, its edges black and its middle amber, so that one of the two stands
// out on any board and next to either disc.
constexpr QRgb CURSOR_EDGE = 0xff000000;
constexpr QRgb CURSOR_MIDDLE = 0xffffbe00;
constexpr int CURSOR_INSET = 4;
constexpr int CURSOR_WIDTH = 5;
constexpr int CURSOR_MIDDLE_WIDTH = 3;

// A cell of the board and its disc's centre, in the surface's pixels.
constexpr QRect CellRect(int col, int row)
{
    return {CellStart(col), CellStart(row), CELL_SIZE, CELL_SIZE};
}
constexpr QPoint DiscCentre(int col, int row)
{
    return {DiscMiddle(col), DiscMiddle(row)};
}

} // namespace kalvado
