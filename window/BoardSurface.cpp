#include "BoardSurface.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

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
    , m_picture(SURFACE_SIZE, SURFACE_SIZE, QImage::Format_RGB32)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_picture.fill(palette().color(QPalette::Window));
}

EdgeColours BoardSurface::edgeColours() const
{
    const QPalette standard = QApplication::style()->standardPalette();
    return {standard.color(QPalette::Light), standard.color(QPalette::Dark)};
}

QRect BoardSurface::cellRect(int col, int row)
{
    return {BOARD_ORIGIN + CELL_SIZE * col, BOARD_ORIGIN + CELL_SIZE * row, CELL_SIZE, CELL_SIZE};
}

QPoint BoardSurface::discCentre(int col, int row)
{
    return {CELL_SIZE * col + DISC_OFFSET, CELL_SIZE * row + DISC_OFFSET};
}

void BoardSurface::setBackground(const QImage& image)
{
    m_picture.fill(palette().color(QPalette::Window));
    QPainter painter(&m_picture);
    painter.drawImage(0, 0, image);
    painter.end();
    updatePicture(m_picture.rect());
}

void BoardSurface::DrawBoard()
{
    const EdgeColours colours = edgeColours();
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int col = 0; col < BOARD_SIZE; ++col) {
            const QRect r = cellRect(col, row);
            DrawEdge(m_picture, {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}, BDR_RAISEDINNER,
                     BF_RECT, colours);
        }
    constexpr int frameEnd = FRAME_LEFT + FRAME_SIZE;
    DrawEdge(m_picture, {FRAME_LEFT, FRAME_LEFT, frameEnd, frameEnd}, BDR_SUNKENOUTER, BF_RECT, colours);
    updatePicture(QRect(FRAME_LEFT, FRAME_LEFT, FRAME_SIZE, FRAME_SIZE));
}

void BoardSurface::DrawChess(int col, int row, Cell chess)
{
    const QPoint centre = discCentre(col, row);
    const QRgb colour = chess == BLACK ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    // Filled by hand rather than with QPainter so that the disc covers
    // exactly the same pixels whatever the platform's rasteriser does.
    constexpr int limit = DISC_RADIUS * DISC_RADIUS + DISC_RADIUS;
    for (int dy = -DISC_RADIUS; dy <= DISC_RADIUS; ++dy)
        for (int dx = -DISC_RADIUS; dx <= DISC_RADIUS; ++dx) {
            const int x = centre.x() + dx;
            const int y = centre.y() + dy;
            if (dx * dx + dy * dy <= limit && m_picture.rect().contains(x, y))
                m_picture.setPixel(x, y, colour);
        }
    updatePicture(QRect(centre.x() - DISC_RADIUS, centre.y() - DISC_RADIUS, 2 * DISC_RADIUS + 1, 2 * DISC_RADIUS + 1));
}

void BoardSurface::updatePicture(const QRect& pictureRect)
{
    update(pictureRect.translated(contentsRect().topLeft()));
}

void BoardSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPoint origin = contentsRect().topLeft();
    const QRect dirty = event->rect().intersected(contentsRect());
    painter.drawImage(dirty, m_picture, dirty.translated(-origin));
    painter.end();
    QFrame::paintEvent(event);
}

QPointF BoardSurface::toPicture(QPointF widgetPos) const
{
    return widgetPos - QPointF(contentsRect().topLeft());
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
