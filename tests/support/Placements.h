#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "Game.h"
#include "GameState.h"
#include "BoardGeometry.h"
#include "Rules.h"

namespace kalvado::test {

// The empty cells where the human may place, in the board's scan order.
inline std::vector<std::pair<int, int>> LegalPlacements(const GameState& state)
{
    std::vector<std::pair<int, int>> cells;
    forEachCell([&](int col, int row) {
        if (state.Board(col, row) == EMPTY && SpotValue(state, col, row, state.PlayerColor) > 0)
            cells.emplace_back(col, row);
    });
    return cells;
}

inline std::optional<std::pair<int, int>> FirstLegalPlacement(const GameState& state)
{
    const auto cells = LegalPlacements(state);
    if (cells.empty())
        return std::nullopt;
    return cells.front();
}

// A release on a cell's disc centre, as a click there hands it on.
inline Outcome ClickCell(Game& game, int col, int row, int button = 1)
{
    return game.picBoard_MouseUp(button, 0, static_cast<float>(DiscCentre(col, row).x), static_cast<float>(DiscCentre(col, row).y));
}

// A simple human: the first legal cell in scan order, else Pass. Returns
// whether it placed.
inline bool PlayFirstLegalOrPass(const GameState& state, Game& game)
{
    const auto cell = FirstLegalPlacement(state);
    if (!cell) {
        game.cmdPass_Click();
        return false;
    }
    ClickCell(game, cell->first, cell->second);
    return true;
}

} // namespace kalvado::test
