#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRect>

class QKeyEvent;
class QPainter;

namespace kalvado {

class BoardSurface;

// The keyboard's cell cursor: a frame between a cell's grid lines and its
// disc, its edges black and its middle amber, so that one of the two stands
// out on any board and next to either disc.
constexpr QRgb CURSOR_EDGE = 0xff000000;
constexpr QRgb CURSOR_MIDDLE = 0xffffbe00;
constexpr int CURSOR_INSET = 4;
constexpr int CURSOR_WIDTH = 5;
constexpr int CURSOR_MIDDLE_WIDTH = 3;

// Play by keys on the board: the arrows move the cursor (stopping at the
// edges), Space and Return choose the cell under it. Shown only to a player
// using the board's keys, while the board has the focus; drawn over the
// picture, never into it. The screen reader's keys are left to it, and the
// cursor's cell is its focus inside the board.
class CellCursor : public QObject {
    Q_OBJECT

public:
    explicit CellCursor(BoardSurface* board);

    QPoint cell() const { return m_cell; }
    bool shown() const;
    // Chooses a cell as the keyboard does, for any other way of choosing one
    // (an accessible action); nothing off the board.
    void choose(int col, int row);

signals:
    void cellChosen(int col, int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent& event);
    void paint(QPainter& painter) const;
    QRect rect() const;
    void tellFocus();

    BoardSurface* m_board;
    QPoint m_cell{0, 0};
    bool m_used = false;          // a board key was used since the pointer last moved here
    bool m_readerKeyHeld = false; // Insert or Caps Lock, the screen reader's modifiers, is down
};

} // namespace kalvado
