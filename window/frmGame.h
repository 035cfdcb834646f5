#pragma once

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>

#include "Game.h"
#include "GameState.h"
#include "MessageBoxes.h"
#include "WindowOps.h"

namespace Ui {
class frmGame;
}

namespace kalvado {

class Announcer;
class BoardCursor;
class CloseRequests;

// The game window. It owns the game state and routes every user action to
// the game flow, which reaches back through the WindowOps it implements.
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
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Runs one user action to its end. A second action never starts inside
    // a running one (while one of its boxes is open), whatever path its
    // event took to get here.
    template <typename Handler>
    void act(Handler&& handler);
    void say(const Outcome& outcome);
    // A box with texts already in the player's language.
    int box(const QString& text, int style, const QString& title = {});
    void cmdAbout_Click();
    void mExit_Click();
    void closeWhileBoxOpen();
    QAction* skinItem(int index) const;
    const QImage& defaultImage();

    std::unique_ptr<Ui::frmGame> ui;
    GameState m_state;
    Game m_game;
    MsgBoxFunction m_msgBox;
    QImage m_defaultImage;
    BoardCursor* m_boardCursor = nullptr;
    Announcer* m_announcer = nullptr;
    std::unique_ptr<CloseRequests> m_closeRequests;
    std::string m_status;            // the status line's source text
    std::array<int, 2> m_totals{};   // the totals shown, the human's first
    bool m_acting = false;
    bool m_closing = false;
    bool m_iconPending = true;
};

} // namespace kalvado
