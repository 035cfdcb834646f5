#pragma once

#include <string>

#include "GameState.h"
#include "Outcome.h"
#include "Texts.h"
#include "WindowOps.h"

namespace kalvado {

// The game's flow: one entry per user action, each running to its end
// (the computer's reply and every message box included) before returning.
// Each returns what it did: the window's one account of the action.
class Game {
public:
    Game(GameState& state, WindowOps& window, std::string exeDir);

    Outcome frmGame_Load();
    Outcome mNewGame_Click();
    // A release anywhere on the board surface: the cell under it, played.
    Outcome picBoard_MouseUp(int button, int shift, float x, float y);
    // The human's placement on a cell, however it was chosen (a click, the
    // keyboard, an accessible action): refused with a box when the cell is
    // taken or outflanks nothing, else played and answered.
    Outcome PlaceAt(int col, int row);
    Outcome cmdPass_Click();
    Outcome mBoard_Click(int index);

    // Shows the status line, the totals and the skin's mark again as the game
    // last set them (the window's language changed).
    void RefreshCaptions();

    void ResetGame();
    void ComputerGo();
    void AnnounceResult();

private:
    template <typename Body>
    Outcome report(Body&& body);
    void load();
    void newGame();
    void chooseSkin(int index);
    void placeAt(int col, int row);
    void placeDisc(int col, int row, Cell side);
    void setStatus(const std::string& text);
    void noPlacement();
    void endGame();

    GameState& m_state;
    WindowOps& m_window;
    std::string m_exeDir;
    Outcome m_outcome; // of the action running now
    std::string m_status;          // the status line's source text
    bool m_countedSinceReset = false; // the score labels show the totals, not the reset's zeros
};

} // namespace kalvado
