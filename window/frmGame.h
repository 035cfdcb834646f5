#pragma once

#include <QCursor>
#include <QImage>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

#include "Game.h"
#include "GameState.h"
#include "WindowOps.h"

class QLabel;
class QAbstractButton;
namespace Ui {
class frmGame;
}

namespace kalvado {

class Announcer;
class CloseRequests;

// Shows a message box and returns the button code; tests put in their own.
using MsgBoxFunction = std::function<int(QWidget* parent, const QString& text, int style, const QString& title)>;

int ShowMessageBox(QWidget* parent, const QString& text, int style, const QString& title);

// The game window. It owns the game state and routes every user action to
// the game flow, which reaches back through the WindowOps it implements.
class frmGame : public QMainWindow, public WindowOps {
    Q_OBJECT

public:
    explicit frmGame(const QString& exeDir = QString(), MsgBoxFunction msgBox = ShowMessageBox,
                     QWidget* parent = nullptr);
    ~frmGame() override;

    const GameState& state() const { return m_state; }
    // The board cursor for a screen of the given ratio: the classic one at 1,
    // a sharper drawing of it above.
    QCursor boardCursor(qreal ratio = 1.0) const;

    // WindowOps
    void DrawChess(int col, int row, Cell chess) override;
    void DrawBoard() override;
    void setCaption(Label label, const std::string& text) override;
    void setPassEnabled(bool enabled) override;
    void loadSkin(const std::string& path) override;
    void repaintBoard() override;
    void showDefaultImage() override;
    void setBoardCursor() override;
    void markSkinItem(int n, bool marked) override;
    int MsgBox(const std::string& text, int style, const std::string& title = {}) override;

    void mNewGame_Click();
    void cmdPass_Click();
    void mBoard_Click(int index);
    void cmdAbout_Click();
    void mExit_Click();
    void cmdExit_Click();
    void picBoard_MouseUp(int button, int shift, float x, float y);
    void picBoard_MouseMove(int button, int shift, float x, float y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Runs one user action to its end. A second action never starts inside
    // a running one (while one of its boxes is open), whatever path its
    // event took to get here.
    template <typename Handler>
    void act(Handler&& handler);
    // What one action did, said to assistive technology when it ends.
    QString turnSummary() const;
    void closeWhileBoxOpen();
    void frmGame_Load();
    void applyFormFonts();
    void setText(QLabel* label, const QString& text);
    QAction* skinItem(int index) const;
    const QImage& defaultImage();

    std::unique_ptr<Ui::frmGame> ui;
    GameState m_state;
    Game m_game;
    MsgBoxFunction m_msgBox;
    QImage m_defaultImage;
    QCursor m_boardCursor;
    bool m_boardCursorSet = false;
    std::unique_ptr<CloseRequests> m_closeRequests;
    bool m_acting = false;
    bool m_closing = false;
    bool m_iconPending = true;
    Announcer* m_announcer = nullptr;
    struct Placement {
        Cell side;
        int col;
        int row;
        int turned;
    };
    std::vector<Placement> m_placements; // in the action running now
    QString m_statusSaid;                // the status line text it set, if any
    bool m_newGameAction = false;
    QString m_pendingAnnouncement; // for when the window is active again
};

} // namespace kalvado
