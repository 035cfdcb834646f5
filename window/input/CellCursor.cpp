#include "input/CellCursor.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

#include "BoardGeometry.h"
#include "board/BoardSurface.h"

namespace kalvado {

CellCursor::CellCursor(BoardSurface* board)
    : QObject(board)
    , m_board(board)
{
    board->installEventFilter(this);
    board->setOverlay([this](QPainter& painter) { paint(painter); });
}

bool CellCursor::shown() const
{
    return m_used && m_board->hasFocus();
}

void CellCursor::choose(int col, int row)
{
    if (onBoard(col, row))
        emit cellChosen(col, row);
}

QRect CellCursor::rect() const
{
    return m_board->fromPicture(CellRect(m_cell.x(), m_cell.y()));
}

// Black, amber, black: plain on every skin and on either disc. Between the
// cell's grid lines and its disc, touching neither.
void CellCursor::paint(QPainter& painter) const
{
    if (!shown())
        return;
    const QRect ring = rect().adjusted(CURSOR_INSET, CURSOR_INSET, -CURSOR_INSET - 1, -CURSOR_INSET - 1);
    painter.setPen(QPen(QColor(CURSOR_EDGE), CURSOR_WIDTH));
    painter.drawRect(ring);
    painter.setPen(QPen(QColor(CURSOR_MIDDLE), CURSOR_MIDDLE_WIDTH));
    painter.drawRect(ring);
}

void CellCursor::tellFocus()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent focus(m_board, QAccessible::Focus);
    focus.setChild(cellIndex(m_cell.x(), m_cell.y()));
    QAccessible::updateAccessibility(&focus);
}

// The keypad and the Insert and Caps Lock combinations belong to the screen
// reader (Orca's desktop layout: its Where Am I is the keypad's Enter,
// pressed once or twice), so they never move or play here.
bool CellCursor::keyPressed(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Insert || event.key() == Qt::Key_CapsLock)
        m_readerKeyHeld = true;
    if ((event.modifiers() & Qt::KeypadModifier) || m_readerKeyHeld)
        return false;
    QPoint to = m_cell;
    switch (event.key()) {
    case Qt::Key_Left: to.rx() -= 1; break;
    case Qt::Key_Right: to.rx() += 1; break;
    case Qt::Key_Up: to.ry() -= 1; break;
    case Qt::Key_Down: to.ry() += 1; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
        m_used = true;
        m_board->update(rect());
        choose(m_cell.x(), m_cell.y());
        return true;
    default: return false;
    }
    m_board->update(rect());
    m_cell = QPoint(std::clamp(to.x(), 0, BOARD_SIZE - 1), std::clamp(to.y(), 0, BOARD_SIZE - 1));
    m_used = true;
    m_board->update(rect());
    tellFocus();
    return true;
}

bool CellCursor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_board)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: return keyPressed(static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if ((key.key() == Qt::Key_Insert || key.key() == Qt::Key_CapsLock) && !key.isAutoRepeat())
            m_readerKeyHeld = false;
        break;
    }
    case QEvent::FocusIn:
        m_board->update(rect());
        // After the toolkit has told of the board's own focus, which would
        // otherwise leave a screen reader on the table rather than its cell.
        QMetaObject::invokeMethod(this, [this] {
            if (m_board->hasFocus())
                tellFocus();
        }, Qt::QueuedConnection);
        break;
    case QEvent::FocusOut:
        m_readerKeyHeld = false;
        m_board->update(rect());
        break;
    case QEvent::MouseMove:
        // The pointer on the board: a mouse player, who sees no cursor.
        if (m_used) {
            m_used = false;
            m_board->update(rect());
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kalvado
