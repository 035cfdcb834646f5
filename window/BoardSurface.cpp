#include "BoardSurface.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

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

// A logical coordinate's device pixel edge at a ratio.
int toDevice(int logical, qreal ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
}

// Lines one logical pixel wide are this many device pixels wide: the same
// for every line, at least one, growing with the ratio.
int deviceLineWidth(qreal ratio)
{
    return std::max(1, static_cast<int>(std::floor(ratio + 0.5)));
}

void fillDevice(QImage& image, int x0, int y0, int x1, int y1, QRgb colour)
{
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, image.width());
    y1 = std::min(y1, image.height());
    for (int y = y0; y < y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + x0, line + std::max(x0, x1), colour);
    }
}

// Smooth scaling (the toolkit's, which repeats the edge pixels rather
// than fading the border into what lies outside the picture).
QImage scaledSmoothly(const QImage& image, qreal ratio)
{
    QImage out = image.scaled(static_cast<int>(std::lround(image.width() * ratio)),
                              static_cast<int>(std::lround(image.height() * ratio)), Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation);
    out.setDevicePixelRatio(ratio);
    return out;
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
    // Drawn for the screen's ratio from the start, not once more at the
    // first paint.
    setPictureRatio(devicePixelRatioF());
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
    m_background = image;
    m_drawn.clear();
    if (ratio() == 1.0 && !m_stale)
        paintBackground();
    else
        m_stale = true;
    updatePicture(QRect(0, 0, SURFACE_SIZE, SURFACE_SIZE));
}

void BoardSurface::DrawBoard()
{
    m_drawn.push_back({false, 0, 0, EMPTY});
    if (!m_stale)
        paintBoard();
    updatePicture(QRect(FRAME_LEFT, FRAME_LEFT, FRAME_SIZE, FRAME_SIZE));
}

void BoardSurface::DrawChess(int col, int row, Cell chess)
{
    m_drawn.push_back({true, col, row, chess});
    if (!m_stale)
        paintChess(col, row, chess);
    const QPoint centre = discCentre(col, row);
    // One pixel more all round covers a smooth disc's edge at any ratio.
    updatePicture(QRect(centre.x() - DISC_RADIUS - 1, centre.y() - DISC_RADIUS - 1, 2 * DISC_RADIUS + 3,
                        2 * DISC_RADIUS + 3));
}

const QImage& BoardSurface::picture() const
{
    redrawIfStale();
    return m_picture;
}

void BoardSurface::setPictureRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == m_picture.devicePixelRatio())
        return;
    const int side = static_cast<int>(std::lround(SURFACE_SIZE * ratio));
    m_picture = QImage(side, side, QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(ratio);
    m_discMask.clear();
    m_stale = true;
    update();
}

// Everything since the last background, painted afresh in order. The
// picture is the widget's retained drawing, not its state, so it is redrawn
// even when only looked at.
void BoardSurface::redrawIfStale() const
{
    if (!m_stale)
        return;
    auto* self = const_cast<BoardSurface*>(this);
    self->m_stale = false;
    self->paintBackground();
    for (const Drawn& d : m_drawn) {
        if (d.disc)
            self->paintChess(d.col, d.row, d.chess);
        else
            self->paintBoard();
    }
}

void BoardSurface::paintBackground()
{
    m_picture.fill(palette().color(QPalette::Window));
    if (m_background.isNull())
        return;
    QPainter painter(&m_picture);
    if (ratio() == 1.0) {
        painter.drawImage(0, 0, m_background);
    } else {
        // The image keeps its logical size, smoothly scaled to the device
        // (scaled on its own, so that its edges do not blend with the window
        // colour around it).
        QImage scaled = scaledSmoothly(m_background, ratio());
        painter.drawImage(QPointF(0, 0), scaled);
    }
}

void BoardSurface::paintBoard()
{
    const EdgeColours colours = edgeColours();
    for (int row = 0; row < BOARD_SIZE; ++row)
        for (int col = 0; col < BOARD_SIZE; ++col) {
            const QRect r = cellRect(col, row);
            paintEdge({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}, BDR_RAISEDINNER, colours);
        }
    constexpr int frameEnd = FRAME_LEFT + FRAME_SIZE;
    paintEdge({FRAME_LEFT, FRAME_LEFT, frameEnd, frameEnd}, BDR_SUNKENOUTER, colours);
}

void BoardSurface::paintEdge(const RECT& rc, std::uint32_t edge, const EdgeColours& colours)
{
    const qreal r = ratio();
    if (r == 1.0) {
        DrawEdge(m_picture, rc, edge, BF_RECT, colours);
        return;
    }
    // The same edge in device pixels: every line of one width, the far
    // lines ending on the rectangle's device edge, the corners owned as at
    // a ratio of 1 (top and left first, bottom and right over them).
    const bool raised = (edge & BDR_RAISEDINNER) != 0;
    const QRgb topLeft = (raised ? colours.light : colours.shadow).rgb();
    const QRgb bottomRight = (raised ? colours.shadow : colours.light).rgb();
    const int w = deviceLineWidth(r);
    const int left = toDevice(rc.left, r), top = toDevice(rc.top, r);
    const int right = toDevice(rc.right, r), bottom = toDevice(rc.bottom, r);
    fillDevice(m_picture, left, top, right - w, top + w, topLeft);
    fillDevice(m_picture, left, top, left + w, bottom - w, topLeft);
    fillDevice(m_picture, left, bottom - w, right, bottom, bottomRight);
    fillDevice(m_picture, right - w, top, right, bottom, bottomRight);
}

void BoardSurface::paintChess(int col, int row, Cell chess)
{
    const QPoint centre = discCentre(col, row);
    const QRgb colour = chess == BLACK ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    const qreal r = ratio();
    if (r == 1.0) {
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
        return;
    }
    // At other ratios one smooth disc, reused for every cell: its centre on
    // the middle of the device pixel that holds the true centre, so that all
    // discs cover the same device pixels and each is mirror-symmetric.
    if (m_discMask.empty()) {
        // The disc of a ratio of 1 reaches half a pixel past its radius.
        const double radius = (DISC_RADIUS + 0.5) * r;
        m_discReach = static_cast<int>(std::ceil(radius + 0.5));
        const int side = 2 * m_discReach + 1;
        m_discMask.assign(static_cast<std::size_t>(side * side), 0.0f);
        for (int dy = -m_discReach; dy <= m_discReach; ++dy)
            for (int dx = -m_discReach; dx <= m_discReach; ++dx) {
                const double coverage = std::clamp(radius - std::hypot(dx, dy) + 0.5, 0.0, 1.0);
                m_discMask[static_cast<std::size_t>((dy + m_discReach) * side + dx + m_discReach)] =
                    static_cast<float>(coverage);
            }
    }
    const int cx = static_cast<int>(std::floor((centre.x() + 0.5) * r));
    const int cy = static_cast<int>(std::floor((centre.y() + 0.5) * r));
    const int side = 2 * m_discReach + 1;
    for (int dy = -m_discReach; dy <= m_discReach; ++dy) {
        const int y = cy + dy;
        if (y < 0 || y >= m_picture.height())
            continue;
        auto* line = reinterpret_cast<QRgb*>(m_picture.scanLine(y));
        for (int dx = -m_discReach; dx <= m_discReach; ++dx) {
            const int x = cx + dx;
            const float a = m_discMask[static_cast<std::size_t>((dy + m_discReach) * side + dx + m_discReach)];
            if (a <= 0.0f || x < 0 || x >= m_picture.width())
                continue;
            const QRgb under = line[x];
            auto blend = [a](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * a)); };
            line[x] = qRgb(blend(qRed(under), qRed(colour)), blend(qGreen(under), qGreen(colour)),
                           blend(qBlue(under), qBlue(colour)));
        }
    }
}

void BoardSurface::updatePicture(const QRect& pictureRect)
{
    update(pictureRect.translated(contentsRect().topLeft()));
}

void BoardSurface::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another ratio: the picture is drawn afresh first.
    if (devicePixelRatioF() != ratio())
        setPictureRatio(devicePixelRatioF());
    redrawIfStale();
    QPainter painter(this);
    const QPoint origin = contentsRect().topLeft();
    const QRect dirty = event->rect().intersected(contentsRect());
    const qreal r = ratio();
    if (r == 1.0) {
        painter.drawImage(dirty, m_picture, dirty.translated(-origin));
    } else {
        // The same rectangle in the picture's device pixels, one to one.
        const QRectF source(dirty.translated(-origin).topLeft() * r, QSizeF(dirty.size()) * r);
        painter.drawImage(QRectF(dirty), m_picture, source);
    }
    if (cursorShown()) {
        // Black, amber, black: plain on every skin and on either disc.
        // Between the cell's grid lines and its disc, touching neither.
        const QRect ring = cursorRect().adjusted(4, 4, -5, -5);
        painter.setPen(QPen(Qt::black, 5));
        painter.drawRect(ring);
        painter.setPen(QPen(QColor(255, 190, 0), 3));
        painter.drawRect(ring);
    }
    painter.end();
    QFrame::paintEvent(event);
}

QRect BoardSurface::cursorRect() const
{
    return cellRect(m_cursor.x(), m_cursor.y()).translated(contentsRect().topLeft());
}

void BoardSurface::tellCursorFocus()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(m_cursor.y() * BOARD_SIZE + m_cursor.x());
    QAccessible::updateAccessibility(&focus);
}

// Arrows move the cell cursor (stopping at the edges); Space, Return and
// Enter place a disc under it, as a left click in the cell's middle does.
void BoardSurface::keyPressEvent(QKeyEvent* event)
{
    QPoint to = m_cursor;
    switch (event->key()) {
    case Qt::Key_Left: to.rx() -= 1; break;
    case Qt::Key_Right: to.rx() += 1; break;
    case Qt::Key_Up: to.ry() -= 1; break;
    case Qt::Key_Down: to.ry() += 1; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        m_cursorShown = true;
        update(cursorRect());
        const int middle = CELL_SIZE / 2;
        emit mouseReleased(1, 0, static_cast<float>(BOARD_ORIGIN + CELL_SIZE * m_cursor.x() + middle),
                           static_cast<float>(BOARD_ORIGIN + CELL_SIZE * m_cursor.y() + middle));
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

void BoardSurface::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update(cursorRect());
    tellCursorFocus();
}

void BoardSurface::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    update(cursorRect());
}

// The logical pixel under the pointer: positions come with fractions at
// fractional ratios, and the pixel that holds them is the one meant.
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
