#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kalvado {

using Cell = std::int16_t;

constexpr Cell EMPTY = -1;
constexpr Cell BLACK = 0;
constexpr Cell WHITE = 1;

constexpr int BOARD_SIZE = 8;
constexpr int CELL_COUNT = BOARD_SIZE * BOARD_SIZE;

constexpr bool onBoard(int col, int row)
{
    return col >= 0 && col < BOARD_SIZE && row >= 0 && row < BOARD_SIZE;
}

// The cells are numbered column fastest, 0..63, wherever they are listed
// (the board's storage, the screen reader's table).
constexpr int cellIndex(int col, int row)
{
    return col + BOARD_SIZE * row;
}

// The 64 cells, column fastest: (col, row) is element col + 8 * row.
// Every access goes through at(), which refuses any index outside 0..7
// rather than touching a neighbouring cell or memory past the array.
class BoardCells {
public:
    Cell& at(int col, int row) { return cells[index(col, row)]; }
    Cell at(int col, int row) const { return cells[index(col, row)]; }
    Cell& operator()(int col, int row) { return at(col, row); }
    Cell operator()(int col, int row) const { return at(col, row); }

    const std::array<Cell, CELL_COUNT>& raw() const { return cells; }
    bool operator==(const BoardCells&) const = default;

private:
    static std::size_t index(int col, int row)
    {
        if (!onBoard(col, row)) [[unlikely]]
            throwOffBoard(col, row);
        return static_cast<std::size_t>(cellIndex(col, row));
    }
    [[noreturn]] static void throwOffBoard(int col, int row);
    std::array<Cell, CELL_COUNT> cells{};
};

struct GameState {
    BoardCells Board;
    std::int16_t PlayerTotal = 0;
    std::int16_t ComputerTotal = 0;
    std::int16_t BestCol = 0;
    std::int16_t BestRow = 0;
    Cell PlayerColor = 0;
    Cell ComputerColor = 0;
    bool GameStarted = false;
    bool GameOver = false;
    std::string SkinPath;
    bool PassPending = false;
    std::int16_t SkinIndex = 0;
};

// Visits every cell, col 0..7 outer and row 0..7 inner: the order every
// whole-board scan of the game uses, and the one that decides ties.
template <typename F>
void forEachCell(F&& visit)
{
    for (int col = 0; col < BOARD_SIZE; ++col)
        for (int row = 0; row < BOARD_SIZE; ++row)
            visit(col, row);
}

// The eight directions, column step -1, 0, +1 outer and row step inner.
struct Direction {
    int dc;
    int dr;
};
constexpr std::array<Direction, 8> DIRECTIONS{{
    {-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1},
}};

void ClearBoard(GameState& state);

// Narrows a count to the 16-bit width the game stores it in; the game's
// counts are tiny, so a value that does not fit means a logic error.
std::int16_t checked16(long value);

} // namespace kalvado
