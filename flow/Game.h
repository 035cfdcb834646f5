#pragma once

#include <string>

#include "GameState.h"
#include "WindowOps.h"

namespace kalvado {

extern const char* const NO_SKIN_TEXT;
extern const char* const NO_SKIN_TITLE;

// The game's flow: one entry per user action, each running to its end
// (the computer's reply and every message box included) before returning.
class Game {
public:
    Game(GameState& state, WindowOps& window, std::string exeDir);

    void frmGame_Load();
    void mNewGame_Click();
    void picBoard_MouseUp(int button, int shift, float x, float y);
    void cmdPass_Click();
    void mBoard_Click(int index);

    void ResetGame();
    void ComputerGo();
    void AnnounceResult();

private:
    void placeDisc(int col, int row, Cell side);
    void noPlacement();
    void endGame();

    GameState& m_state;
    WindowOps& m_window;
    std::string m_exeDir;
};

} // namespace kalvado
