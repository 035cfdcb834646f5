#pragma once

#include <QCursor>
#include <QObject>

namespace kalvado {

class BoardSurface;

// The mouse pointer's image over the board (the board cursor of the
// classic form): its classic drawing at a ratio of 1, a sharper one above.
// Once set, it follows the screen's ratio whenever the pointer comes onto
// the board, and comes back after a message box.
class BoardPointer : public QObject {
public:
    explicit BoardPointer(BoardSurface* board);

    // The pointer's image for a screen of the given ratio.
    QCursor forRatio(qreal ratio) const;
    void set();
    // A box puts the arrow on the window it blocks; on Wayland, where the
    // image belongs to the pointer rather than to a window, nothing puts the
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
