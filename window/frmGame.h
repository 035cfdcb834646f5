#pragma once

#include <QMainWindow>

#include <memory>
#include <string>

#include "Game.h"
#include "GameState.h"
#include "WindowOps.h"
#include "boxes/MessageBoxes.h"

namespace Ui {
class frmGame;
}

namespace kalvado {

class Announcer;
class BoardPointer;
class CloseRequests;
class Skins;

// The game window. It owns the game state and routes every user action to
// the game flow, which reaches back through the WindowOps it implements;
// what an action did, it shows and says from the action's outcome.
class frmGame : public QMainWindow, public WindowOps {
    Q_OBJECT

public:
    explicit frmGame(const QString& exeDir = QString(), MsgBoxFunction msgBox = ShowMessageBox,
                     QWidget* parent = nullptr);
    ~frmGame() override;

    const GameState& state() const { return m_state; }

    // WindowOps
    void DrawChess(int col, int row, Cell chess) override;
    void DrawBoard() override;
    void setCaption(Label label, const std::string& text) override;
    void showTotals(int player, int computer) override;
    void setPassEnabled(bool enabled) override;
    void loadSkin(const std::string& path) override;
    void repaintBoard() override;
    void showDefaultImage() override;
    void setBoardCursor() override;
    void markSkinItem(int n, bool marked) override;
    int MsgBox(const std::string& text, int style, const std::string& title = {}) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    // Runs one user action to its end. A second action never starts inside
    // a running one (while one of its boxes is open), whatever path its
    // event took to get here.
    template <typename Handler>
    void act(Handler&& handler);
    // A box with texts already in the player's language.
    int box(const QString& text, int style, const QString& title = {});
    void cmdAbout_Click();
    void mExit_Click();
    QAction* skinItem(int index) const;

    std::unique_ptr<Ui::frmGame> ui;
    GameState m_state;
    Game m_game;
    MsgBoxFunction m_msgBox;
    BoardPointer* m_boardPointer = nullptr;
    std::unique_ptr<Skins> m_skins;
    Announcer* m_announcer = nullptr;
    std::unique_ptr<CloseRequests> m_closeRequests;
    bool m_acting = false;
};

} // namespace kalvado
