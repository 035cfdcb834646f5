#include "Rules.h"

#include <cstdio>
#include <stdexcept>

namespace kalvado {

namespace {

void requireCell(int col, int row)
{
    if (!onBoard(col, row))
        throw std::out_of_range("placement off the board");
}

void requireSide(Cell player)
{
    if (player != BLACK && player != WHITE)
        throw std::invalid_argument("a side is BLACK or WHITE");
}

// Length of the opponent run that `player` outflanks from (col, row) in one
// direction; 0 when the run is open (meets an empty cell or the edge).
int closedRun(const BoardCells& board, int col, int row, Direction d, Cell player)
{
    int run = 0;
    for (int c = col + d.dc, r = row + d.dr; onBoard(c, r); c += d.dc, r += d.dr) {
        const Cell cell = board(c, r);
        if (cell == EMPTY)
            return 0;
        if (cell == player)
            return run;
        ++run;
    }
    return 0;
}

int positionBonus(int col, int row)
{
    const bool edgeCol = col == 0 || col == BOARD_SIZE - 1;
    const bool edgeRow = row == 0 || row == BOARD_SIZE - 1;
    if (edgeCol && edgeRow)
        return 7;
    if (edgeCol || edgeRow)
        return 3;
    return 0;
}

} // namespace

std::int16_t SpotValue(const GameState& state, int col, int row, Cell player)
{
    requireCell(col, row);
    requireSide(player);
    long score = 0;
    for (const Direction d : DIRECTIONS)
        score += closedRun(state.Board, col, row, d, player);
    if (score > 0)
        score += positionBonus(col, row);
    return checked16(score);
}

void ChangChess(GameState& state, WindowOps& window, int col, int row, Cell player)
{
    requireCell(col, row);
    requireSide(player);
    for (const Direction d : DIRECTIONS) {
        const int run = closedRun(state.Board, col, row, d, player);
        for (int step = 1; step <= run; ++step) {
            const int c = col + step * d.dc;
            const int r = row + step * d.dr;
            state.Board(c, r) = player;
            window.DrawChess(c, r, player);
        }
    }
    CountChess(state, window);
}

void CountChess(GameState& state, WindowOps& window)
{
    long player = 0;
    long computer = 0;
    forEachCell([&](int col, int row) {
        const Cell cell = state.Board(col, row);
        if (cell == state.ComputerColor)
            ++computer;
        else if (cell == state.PlayerColor)
            ++player;
    });
    state.PlayerTotal = checked16(player);
    state.ComputerTotal = checked16(computer);
    window.showTotals(state.PlayerTotal, state.ComputerTotal);
    if (player + computer == BOARD_SIZE * BOARD_SIZE || computer == 0 || player == 0)
        state.GameOver = true;
}

bool FindMove(GameState& state, Cell player)
{
    requireSide(player);
    int best = 0;
    forEachCell([&](int col, int row) {
        if (state.Board(col, row) != EMPTY)
            return;
        const int value = SpotValue(state, col, row, player);
        if (value > best) {
            best = value;
            state.BestCol = checked16(col);
            state.BestRow = checked16(row);
        }
    });
    return best > 0;
}

} // namespace kalvado
