#include "board/BoardPointer.h"

#include <QEvent>
#include <QPixmap>
#include <QWindow>

#include "board/BoardSurface.h"
#include "images/Images.h"

namespace kalvado {

BoardPointer::BoardPointer(BoardSurface* board)
    : QObject(board)
    , m_board(board)
    , m_classic(LoadCursorFile(":/images/board.cur"))
{
    board->installEventFilter(this);
}

QCursor BoardPointer::forRatio(qreal ratio) const
{
    if (ratio <= 1.0)
        return m_classic;
    const int scale = ratio <= 2.0 ? 2 : 3;
    QPixmap pixmap(QString(":/images/board@%1x.png").arg(scale));
    pixmap.setDevicePixelRatio(scale);
    // The X11 platform takes the hot spot in the image's own pixels.
    return QCursor(pixmap, m_classic.hotSpot().x() * scale, m_classic.hotSpot().y() * scale);
}

void BoardPointer::set()
{
    m_set = true;
    m_board->setCursor(forRatio(m_board->devicePixelRatioF()));
}

void BoardPointer::restoreAfterBox()
{
    QWindow* window = m_board->window()->windowHandle();
    if (m_set && window && m_board->rect().contains(m_board->mapFromGlobal(QCursor::pos())))
        window->setCursor(forRatio(m_board->devicePixelRatioF()));
}

// The pointer coming onto the board from a screen of another ratio gets the
// image drawn for this one.
bool BoardPointer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_board && event->type() == QEvent::Enter && m_set)
        m_board->setCursor(forRatio(m_board->devicePixelRatioF()));
    return QObject::eventFilter(watched, event);
}

} // namespace kalvado
