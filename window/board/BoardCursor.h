#pragma once

#include <QCursor>
#include <QObject>

namespace kalvado {

class BoardSurface;

// The board's pointer: the classic cursor at a ratio of 1, a sharper
// drawing of it above. Once set, it follows the screen's ratio whenever the
// pointer comes onto the board, and comes back after a message box.
class BoardCursor : public QObject {
public:
    explicit BoardCursor(BoardSurface* board);

    // The cursor for a screen of the given ratio.
    QCursor forRatio(qreal ratio) const;
    void set();
    bool isSet() const { return m_set; }
    // A box puts the arrow on the window it blocks; on Wayland, where the
    // cursor belongs to the pointer rather than to a window, nothing puts the
    // board's back when the box goes. Called when one has closed.
    void restoreAfterBox();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BoardSurface* m_board;
    QCursor m_classic;
    bool m_set = false;
};

} // namespace kalvado
