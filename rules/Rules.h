#pragma once

#include <cstdint>
#include <string>

#include "GameState.h"
#include "WindowOps.h"

namespace kalvado {

// What placing a disc of `player` on (col, row) is worth: the discs it would
// outflank plus 7 on a corner or 3 on an edge; 0 means not allowed. The cell
// itself is not looked at.
std::int16_t SpotValue(const GameState& state, int col, int row, Cell player);

// Turns every run the disc just stored on (col, row) outflanks, painting each
// disc as it turns, then recounts.
void ChangChess(GameState& state, WindowOps& window, int col, int row, Cell player);

// Recounts both sides into the totals and their labels; sets GameOver when
// the board is full or a side has no disc left (never clears it).
void CountChess(GameState& state, WindowOps& window);

// Best placement for `player` in scan order, written to BestCol/BestRow.
// Returns false, leaving them as they were, when `player` has none.
bool FindMove(GameState& state, Cell player);

} // namespace kalvado
