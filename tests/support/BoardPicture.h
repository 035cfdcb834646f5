#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "GameState.h"

namespace kalvado::test {

// An 8-line picture of a board, row 0 first: '.' empty, 'B' black, 'W' white.
inline BoardCells boardFrom(const std::vector<std::string>& lines)
{
    if (lines.size() != 8)
        throw std::invalid_argument("a board picture has 8 lines");
    BoardCells board;
    for (int row = 0; row < 8; ++row) {
        if (lines[row].size() != 8)
            throw std::invalid_argument("a board line has 8 cells");
        for (int col = 0; col < 8; ++col) {
            const char c = lines[row][col];
            board(col, row) = c == 'B' ? BLACK : c == 'W' ? WHITE : EMPTY;
        }
    }
    return board;
}

inline std::string pictureOf(const BoardCells& board)
{
    std::string out;
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 8; ++col) {
            const Cell c = board(col, row);
            out += c == BLACK ? 'B' : c == WHITE ? 'W' : c == EMPTY ? '.' : '?';
        }
        out += '\n';
    }
    return out;
}

inline std::vector<std::string> startingPosition()
{
    return {"........", "........", "........", "...BW...", "...WB...", "........", "........", "........"};
}

inline int countCells(const BoardCells& board, Cell code)
{
    int n = 0;
    for (Cell c : board.raw())
        n += c == code;
    return n;
}

} // namespace kalvado::test
