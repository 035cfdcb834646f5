#include "BoardSurface.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kalvado {

namespace {

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers keys)
{
    return (keys & Qt::ShiftModifier ? 1 : 0) | (keys & Qt::ControlModifier ? 2 : 0)
           | (keys & Qt::AltModifier ? 4 : 0);
}

} // namespace

BoardSurface::BoardSurface(QWidget* parent)
    : QFrame(parent)
    , m_raster([this] { return palette().color(QPalette::Window); })
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Drawn for the screen's ratio from the start, not once more at the
    // first paint.
    setPictureRatio(devicePixelRatioF());
}

void BoardSurface::setBackground(const QImage& image)
{
    m_raster.setBackground(image);
    updatePicture(QRect(0, 0, SURFACE_SIZE, SURFACE_SIZE));
}

void BoardSurface::DrawBoard()
{
    m_raster.drawBoard();
    updatePicture(QRect(FRAME_LEFT, FRAME_LEFT, FRAME_SIZE, FRAME_SIZE));
}

void BoardSurface::DrawChess(int col, int row, Cell chess)
{
    m_raster.drawChess(col, row, chess);
    const QPoint centre = DiscCentre(col, row);
    // One pixel more all round covers a smooth disc's edge at any ratio.
    updatePicture(QRect(centre.x() - DISC_RADIUS - 1, centre.y() - DISC_RADIUS - 1, 2 * DISC_RADIUS + 3,
                        2 * DISC_RADIUS + 3));
}

void BoardSurface::setPictureRatio(qreal ratio)
{
    if (m_raster.setRatio(ratio))
        update();
}

void BoardSurface::updatePicture(const QRect& pictureRect)
{
    update(pictureRect.translated(contentsRect().topLeft()));
}

void BoardSurface::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another ratio: the picture is drawn afresh first.
    if (devicePixelRatioF() != m_raster.ratio())
        setPictureRatio(devicePixelRatioF());
    const QImage& picture = m_raster.picture();
    QPainter painter(this);
    const QPoint origin = contentsRect().topLeft();
    const QRect dirty = event->rect().intersected(contentsRect());
    const qreal r = m_raster.ratio();
    if (r == 1.0) {
        painter.drawImage(dirty, picture, dirty.translated(-origin));
    } else {
        // The same rectangle in the picture's device pixels, one to one.
        const QRectF source(dirty.translated(-origin).topLeft() * r, QSizeF(dirty.size()) * r);
        painter.drawImage(QRectF(dirty), picture, source);
    }
    if (cursorShown()) {
        // Black, amber, black: plain on every skin and on either disc.
        // Between the cell's grid lines and its disc, touching neither.
        const QRect ring = cursorRect().adjusted(CURSOR_INSET, CURSOR_INSET, -CURSOR_INSET - 1, -CURSOR_INSET - 1);
        painter.setPen(QPen(QColor(CURSOR_EDGE), CURSOR_WIDTH));
        painter.drawRect(ring);
        painter.setPen(QPen(QColor(CURSOR_MIDDLE), CURSOR_MIDDLE_WIDTH));
        painter.drawRect(ring);
    }
    painter.end();
    QFrame::paintEvent(event);
}

QRect BoardSurface::cursorRect() const
{
    return CellRect(m_cursor.x(), m_cursor.y()).translated(contentsRect().topLeft());
}

void BoardSurface::tellCursorFocus()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(cellIndex(m_cursor.x(), m_cursor.y()));
    QAccessible::updateAccessibility(&focus);
}

// Arrows move the cell cursor (stopping at the edges); Space and Return
// place a disc under it. The keypad and the Insert and Caps Lock
// combinations belong to the screen reader (Orca's desktop layout: its
// Where Am I is the keypad's Enter, pressed once or twice), so they never
// move or play here.
void BoardSurface::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Insert || event->key() == Qt::Key_CapsLock)
        m_readerKeyHeld = true;
    if ((event->modifiers() & Qt::KeypadModifier) || m_readerKeyHeld) {
        QFrame::keyPressEvent(event);
        return;
    }
    QPoint to = m_cursor;
    switch (event->key()) {
    case Qt::Key_Left: to.rx() -= 1; break;
    case Qt::Key_Right: to.rx() += 1; break;
    case Qt::Key_Up: to.ry() -= 1; break;
    case Qt::Key_Down: to.ry() += 1; break;
    case Qt::Key_Space:
    case Qt::Key_Return: {
        m_cursorShown = true;
        update(cursorRect());
        chooseCell(m_cursor.x(), m_cursor.y());
        return;
    }
    default: QFrame::keyPressEvent(event); return;
    }
    update(cursorRect());
    m_cursor = QPoint(std::clamp(to.x(), 0, BOARD_SIZE - 1), std::clamp(to.y(), 0, BOARD_SIZE - 1));
    m_cursorShown = true;
    update(cursorRect());
    tellCursorFocus();
}

void BoardSurface::keyReleaseEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Insert || event->key() == Qt::Key_CapsLock) && !event->isAutoRepeat())
        m_readerKeyHeld = false;
    QFrame::keyReleaseEvent(event);
}

void BoardSurface::chooseCell(int col, int row)
{
    if (onBoard(col, row))
        emit cellChosen(col, row);
}

void BoardSurface::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update(cursorRect());
    // After the toolkit has told of the board's own focus, which would
    // otherwise leave a screen reader on the table rather than its cell.
    QMetaObject::invokeMethod(this, [this] {
        if (hasFocus())
            tellCursorFocus();
    }, Qt::QueuedConnection);
}

void BoardSurface::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    m_readerKeyHeld = false;
    update(cursorRect());
}

QPointF BoardSurface::toPicture(QPointF widgetPos) const
{
    const QPointF p = widgetPos - QPointF(contentsRect().topLeft());
    return {std::floor(p.x()), std::floor(p.y())};
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (m_cursorShown) {
        m_cursorShown = false;
        update(cursorRect());
    }
    const QPointF p = toPicture(event->position());
    emit mouseMoved(buttonCode(event->buttons()), shiftCode(event->modifiers()), static_cast<float>(p.x()),
                    static_cast<float>(p.y()));
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = toPicture(event->position());
    emit mouseReleased(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(p.x()),
                       static_cast<float>(p.y()));
}

} // namespace kalvado
