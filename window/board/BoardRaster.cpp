#include "board/BoardRaster.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace kalvado {

namespace {

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

BoardRaster::BoardRaster(std::function<QColor()> windowColour)
    : m_windowColour(std::move(windowColour))
    , m_picture(SURFACE_SIZE, SURFACE_SIZE, QImage::Format_RGB32)
{
    m_picture.fill(m_windowColour());
}

EdgeColours BoardRaster::edgeColours() const
{
    const QPalette standard = QApplication::style()->standardPalette();
    return {standard.color(QPalette::Light), standard.color(QPalette::Dark)};
}

void BoardRaster::setBackground(const QImage& image)
{
    m_background = image;
    m_drawn.clear();
    if (ratio() == 1.0 && !m_stale)
        paintBackground();
    else
        m_stale = true;
}

void BoardRaster::drawBoard()
{
    m_drawn.push_back({false, 0, 0, EMPTY});
    if (!m_stale)
        paintBoard();
}

void BoardRaster::drawChess(int col, int row, Cell chess)
{
    m_drawn.push_back({true, col, row, chess});
    if (!m_stale)
        paintChess(col, row, chess);
}

const QImage& BoardRaster::picture() const
{
    redrawIfStale();
    return m_picture;
}

bool BoardRaster::setRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == m_picture.devicePixelRatio())
        return false;
    const int side = static_cast<int>(std::lround(SURFACE_SIZE * ratio));
    m_picture = QImage(side, side, QImage::Format_RGB32);
    m_picture.setDevicePixelRatio(ratio);
    m_discMask.clear();
    m_stale = true;
    return true;
}

// Everything since the last background, painted afresh in order. The
// picture is the widget's retained drawing, not its state, so it is redrawn
// even when only looked at.
void BoardRaster::redrawIfStale() const
{
    if (!m_stale)
        return;
    auto* self = const_cast<BoardRaster*>(this);
    self->m_stale = false;
    self->paintBackground();
    for (const Drawn& d : m_drawn) {
        if (d.disc)
            self->paintChess(d.col, d.row, d.chess);
        else
            self->paintBoard();
    }
}

void BoardRaster::paintBackground()
{
    m_picture.fill(m_windowColour());
    if (!m_background.isNull()) {
        QPainter painter(&m_picture);
        if (ratio() == 1.0) {
            painter.drawImage(0, 0, m_background);
        } else {
            // The image keeps its logical size, smoothly scaled to the device
            // (scaled on its own, so that its edges do not blend with the
            // window colour around it).
            painter.drawImage(QPointF(0, 0), scaledSmoothly(m_background, ratio()));
        }
    }
    // A smooth disc blends with the board under it, never with the disc it
    // turns: what lies under the discs is kept apart.
    m_under = ratio() == 1.0 ? QImage() : m_picture.copy();
}

void BoardRaster::paintBoard()
{
    const EdgeColours colours = edgeColours();
    for (QImage* image : {&m_picture, &m_under}) {
        if (image->isNull())
            continue;
        for (int row = 0; row < BOARD_SIZE; ++row)
            for (int col = 0; col < BOARD_SIZE; ++col) {
                const QRect r = CellRect(col, row);
                DrawEdge(*image, {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}, BDR_RAISEDINNER,
                         BF_RECT, colours);
            }
        constexpr int frameEnd = FRAME_LEFT + FRAME_SIZE;
        DrawEdge(*image, {FRAME_LEFT, FRAME_LEFT, frameEnd, frameEnd}, BDR_SUNKENOUTER, BF_RECT, colours);
    }
}

void BoardRaster::paintChess(int col, int row, Cell chess)
{
    const QPoint centre = DiscCentre(col, row);
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
        const auto* under = reinterpret_cast<const QRgb*>(m_under.constScanLine(y));
        for (int dx = -m_discReach; dx <= m_discReach; ++dx) {
            const int x = cx + dx;
            const float a = m_discMask[static_cast<std::size_t>((dy + m_discReach) * side + dx + m_discReach)];
            if (a <= 0.0f || x < 0 || x >= m_picture.width())
                continue;
            const QRgb board = under[x];
            auto blend = [a](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * a)); };
            line[x] = qRgb(blend(qRed(board), qRed(colour)), blend(qGreen(board), qGreen(colour)),
                           blend(qBlue(board), qBlue(colour)));
        }
    }
}

} // namespace kalvado
