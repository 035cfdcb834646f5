#pragma once

#include <set>
#include <string>

#include "BoardPicture.h"
#include "FakeWindow.h"
#include "Game.h"
#include "Rules.h"

namespace kalvado::test {

// What must hold after any user action once a game has been started.
// `before` is the board before the action, `sameGame` whether the action
// kept the game (no New Game). Returns what is wrong, or "" when all holds.
inline std::string CheckInvariants(const GameState& state, const FakeWindow& window, const BoardCells& before,
                                   bool sameGame)
{
    if (!state.GameStarted)
        return "the game is not started";
    if (state.BestCol < 0 || state.BestCol > 7 || state.BestRow < 0 || state.BestRow > 7)
        return "BestCol/BestRow off the board";
    if (window.markedSkins != std::set<int>{state.SkinIndex})
        return "the Option menu does not mark the skin in use alone";
    if (state.PlayerColor == state.ComputerColor || (state.PlayerColor != BLACK && state.PlayerColor != WHITE))
        return "the sides are not one black and one white";
    for (int i = 0; i < 64; ++i) {
        const Cell cell = state.Board.raw()[static_cast<std::size_t>(i)];
        if (cell != EMPTY && cell != BLACK && cell != WHITE)
            return "a cell holds no cell code";
        if (sameGame && before.raw()[static_cast<std::size_t>(i)] != EMPTY && cell == EMPTY)
            return "a disc vanished during a game";
        if (window.screen[static_cast<std::size_t>(i)] != cell)
            return "the screen does not show the board at element " + std::to_string(i);
    }
    // Until the first placement of a game the totals are the last game's.
    if (state.Board != boardFrom(startingPosition())) {
        if (state.PlayerTotal != countCells(state.Board, state.PlayerColor)
            || state.ComputerTotal != countCells(state.Board, state.ComputerColor))
            return "the totals do not count the board";
        if (window.caption(Label::Player) != FakeWindow::totalText("Player total:", state.PlayerTotal)
            || window.caption(Label::Com) != FakeWindow::totalText("Computer total:", state.ComputerTotal))
            return "the totals labels do not show the totals";
    }
    for (const Box& box : window.boxes) {
        const bool known = (box.text == "Already occupied!" || box.text == "Invalid position!") ? box.title == "Oop!!!"
                           : box.text == "you win!"                                           ? box.title == "you win"
                           : box.text == "you lost!"                                          ? box.title == "you lost"
                           : box.text == "New game! You go first?"                            ? box.style == Style::Information + Style::YesNo
                           : box.text == NO_SKIN_TEXT                                         ? box.title == NO_SKIN_TITLE
                                                                                              : false;
        if (!known)
            return "unexpected box \"" + box.text + "\" titled \"" + box.title + "\"";
    }
    const std::string info = window.caption(Label::Info);
    if (state.GameOver) {
        if (window.passEnabled)
            return "Pass is enabled after the end";
        if (info != (state.PlayerTotal < state.ComputerTotal ? "you lost!" : "you win!"))
            return "the status line does not give the result: " + info;
        return {};
    }
    if (!window.passEnabled)
        return "Pass is disabled during a game";
    if (info == "you have no road to go, press 'Pass'!") {
        GameState probe = state;
        if (!state.PassPending || FindMove(probe, state.PlayerColor))
            return "told to pass while able to place";
    } else if (info == "i have no road to go, now is your turn!") {
        if (!state.PassPending)
            return "a side was stuck but nothing is pending";
    } else if (!info.empty()) {
        return "unexpected status text: " + info;
    }
    return {};
}

} // namespace kalvado::test
