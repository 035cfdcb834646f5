#pragma once

#include <optional>
#include <string>
#include <vector>

#include "GameState.h"

namespace kalvado {

// One disc placed: whose, where, and how many discs it turned.
struct Placement {
    Cell side;
    int col;
    int row;
    int turned;
    bool operator==(const Placement&) const = default;
};

enum class Result { HumanWins, ComputerWins };

// What one user action did, as the game itself saw it happen.
struct Outcome {
    std::optional<Cell> newGameAs{};     // a game was started, the human playing this colour
    std::vector<Placement> placements{}; // in the order they were made
    std::optional<std::string> status{}; // the status line's last text (its source text), when the action set it
    std::optional<Result> result{};      // the game ended
    Cell human = BLACK;                // the human's colour when the action ended
    int playerTotal = 0;               // the totals when it ended
    int computerTotal = 0;
    bool operator==(const Outcome&) const = default;
};

// "C5": the column letter and the row number, row 1 at the top.
std::string CellName(int col, int row);

} // namespace kalvado
