#include "board/BoardSurface.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "BoardGeometry.h"

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
    update(fromPicture(QRect(0, 0, SURFACE_SIZE, SURFACE_SIZE)));
}

void BoardSurface::DrawBoard()
{
    m_raster.drawBoard();
    update(fromPicture(QRect(FRAME_LEFT, FRAME_LEFT, FRAME_SIZE, FRAME_SIZE)));
}

void BoardSurface::DrawChess(int col, int row, Cell chess)
{
    m_raster.drawChess(col, row, chess);
    const PixelPoint centre = DiscCentre(col, row);
    // One pixel more all round covers a smooth disc's edge at any ratio.
    update(fromPicture(QRect(centre.x - DISC_RADIUS - 1, centre.y - DISC_RADIUS - 1, 2 * DISC_RADIUS + 3,
                             2 * DISC_RADIUS + 3)));
}

void BoardSurface::setPictureRatio(qreal ratio)
{
    if (m_raster.setRatio(ratio))
        update();
}

QRect BoardSurface::fromPicture(const QRect& pictureRect) const
{
    return pictureRect.translated(contentsRect().topLeft());
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
    if (m_overlay)
        m_overlay(painter);
    painter.end();
    QFrame::paintEvent(event);
}

QPointF BoardSurface::toPicture(QPointF widgetPos) const
{
    const QPointF p = widgetPos - QPointF(contentsRect().topLeft());
    return {std::floor(p.x()), std::floor(p.y())};
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event)
{
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
