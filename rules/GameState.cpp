#include "GameState.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace kalvado {

void BoardCells::throwOffBoard(int col, int row)
{
    throw std::out_of_range("board cell (" + std::to_string(col) + ", " + std::to_string(row) + ") is off the board");
}

void ClearBoard(GameState& state)
{
    forEachCell([&](int col, int row) { state.Board(col, row) = EMPTY; });
}

std::int16_t checked16(long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("value " + std::to_string(value) + " does not fit 16 bits");
    return static_cast<std::int16_t>(value);
}

} // namespace kalvado
