// The board at device pixel ratios other than 1: lines snapped and even,
// discs smooth and all alike, skins scaled smoothly, the picture rebuilt
// exactly when the ratio changes, and positions in logical pixels.

#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "board/BoardSurface.h"
#include "support/WindowFixture.h"

using namespace kalvado;
using namespace kalvado::test;

namespace {

const QRgb GREY = qRgb(120, 90, 60);

QImage plain(QRgb colour)
{
    QImage image(SURFACE_SIZE, SURFACE_SIZE, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The same drawing on any surface: grid, then discs, none in row or column 4;
// (3,3) is turned once, (2,5) twice.
const std::vector<std::tuple<int, int, Cell>> DISCS{
    {0, 0, BLACK}, {3, 3, WHITE}, {7, 7, BLACK}, {5, 2, WHITE}, {6, 1, BLACK}, {1, 6, WHITE}, {3, 3, BLACK},
    {2, 5, WHITE}, {2, 5, BLACK}, {2, 5, WHITE}};

void drawAll(BoardSurface& surface)
{
    surface.setBackground(plain(GREY));
    surface.DrawBoard();
    for (const auto& [col, row, chess] : DISCS)
        surface.DrawChess(col, row, chess);
}

// Runs of one colour along a device row or column of the picture.
std::vector<std::pair<QRgb, int>> runs(const QImage& p, int fixed, bool horizontal)
{
    std::vector<std::pair<QRgb, int>> out;
    const int n = horizontal ? p.width() : p.height();
    for (int i = 0; i < n; ++i) {
        const QRgb c = horizontal ? p.pixel(i, fixed) : p.pixel(fixed, i);
        if (!out.empty() && out.back().first == c)
            ++out.back().second;
        else
            out.emplace_back(c, 1);
    }
    return out;
}

// The device pixels a disc changed, relative to its centre pixel, with
// their colours.
std::map<std::pair<int, int>, QRgb> discPixels(const QImage& p, int col, int row)
{
    const qreal r = p.devicePixelRatio();
    const QPoint c = DiscCentre(col, row);
    const int cx = static_cast<int>(std::floor((c.x() + 0.5) * r)), cy = static_cast<int>(std::floor((c.y() + 0.5) * r));
    const int reach = static_cast<int>(std::ceil(25 * r));
    std::map<std::pair<int, int>, QRgb> out;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (p.pixel(cx + dx, cy + dy) != GREY)
                out[{dx, dy}] = p.pixel(cx + dx, cy + dy);
    return out;
}

} // namespace

TEST(BoardAtRatio, LinesAreEvenDiscsAlikeAndARatioChangeRedrawsExactly)
{
    const std::vector<qreal> ratios{1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
    for (std::size_t i = 0; i < ratios.size(); ++i) {
        const qreal r = ratios[i];
        SCOPED_TRACE(r);
        BoardSurface surface;
        surface.setPictureRatio(r);
        drawAll(surface);
        const QImage& p = surface.picture();
        ASSERT_EQ(p.size(), QSize(int(std::lround(480 * r)), int(std::lround(480 * r))));
        ASSERT_EQ(p.devicePixelRatio(), r);

        // Across row 4 and down column 4 (no discs there): only the skin and
        // the two edge colours, and every line the same whole width.
        const EdgeColours colours = surface.edgeColours();
        const int width = std::max(1, int(std::floor(r + 0.5)));
        const int middle = int((BOARD_ORIGIN + CELL_SIZE * 4 + CELL_SIZE / 2) * r);
        for (const bool horizontal : {true, false}) {
            int lines = 0;
            for (const auto& [colour, length] : runs(p, middle, horizontal)) {
                if (colour == GREY)
                    continue;
                ASSERT_TRUE(colour == colours.light.rgb() || colour == colours.shadow.rgb()) << "a smeared line";
                EXPECT_EQ(length, width) << (horizontal ? "a column line" : "a row line");
                ++lines;
            }
            EXPECT_EQ(lines, 8 * 2 + 2) << "the cells' two edges and the frame's";
        }

        // Every disc of one colour is the same set of device pixels, and
        // mirror-symmetric both ways.
        const auto black = discPixels(p, 0, 0), white = discPixels(p, 5, 2);
        EXPECT_EQ(discPixels(p, 7, 7), black);
        EXPECT_EQ(discPixels(p, 6, 1), black);
        EXPECT_EQ(discPixels(p, 1, 6), white);
        // A turned disc is the disc placed once, pixel for pixel: its soft
        // edge blends with the board, not with the disc it turned.
        EXPECT_EQ(discPixels(p, 3, 3), black) << "turned once";
        EXPECT_EQ(discPixels(p, 2, 5), white) << "turned twice";
        for (const auto& [at, colour] : black) {
            EXPECT_EQ(black.count({-at.first, at.second}), 1u);
            EXPECT_EQ(black.count({at.first, -at.second}), 1u);
        }
        std::set<std::pair<int, int>> blackSet, whiteSet;
        for (const auto& [at, colour] : black)
            blackSet.insert(at);
        for (const auto& [at, colour] : white)
            whiteSet.insert(at);
        EXPECT_EQ(blackSet, whiteSet);
        EXPECT_GT(black.size(), std::size_t(3.14 * 20 * 20 * r * r)) << "a disc of the right size";

        // Moving to another ratio gives what drawing there afresh gives.
        const qreal next = ratios[(i + 1) % ratios.size()];
        surface.setPictureRatio(next);
        BoardSurface fresh;
        fresh.setPictureRatio(next);
        drawAll(fresh);
        EXPECT_EQ(surface.picture(), fresh.picture()) << "redrawn for " << next;
    }
}

TEST(BoardAtRatio, SkinsKeepTheirLogicalSizeAndAreScaledSmoothly)
{
    QImage stripes(100, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    BoardSurface surface;
    surface.setPictureRatio(2.0);
    surface.setBackground(stripes);
    const QImage& p = surface.picture();
    for (int x = 40; x < 80; ++x) {
        const QRgb c = p.pixel(x, 100) & 0xffffff;
        EXPECT_TRUE(c != 0 && c != 0xffffff) << "blended, not blocks of 2 x 2, at " << x;
    }
    EXPECT_EQ(p.pixel(210, 100), surface.palette().color(QPalette::Window).rgb()) << "100 logical pixels wide";
}

// The surface hands on the logical pixel under the pointer: at a
// fractional position the one that holds it, never one past the edge.
TEST_F(WindowTest, PositionsAreTheLogicalPixelUnderThePointer)
{
    open();
    show();
    QSignalSpy released(&board(), &BoardSurface::mouseReleased);
    const std::vector<std::pair<qreal, float>> examples{{154.5, 154}, {154.99, 154}, {479.75, 479}, {0.25, 0}, {68.9, 68}};
    for (const auto& [at, expected] : examples) {
        const QPointF widget(at + 2, 100.5 + 2);
        QMouseEvent move(QEvent::MouseMove, widget, QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&board(), &move);
        EXPECT_EQ(label("LabelX")->text(), QString(" %1").arg(expected)) << at;
        EXPECT_EQ(label("LabelY")->text(), " 100") << at;
        QMouseEvent release(QEvent::MouseButtonRelease, widget, QPointF(), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&board(), &release);
        ASSERT_FALSE(released.isEmpty());
        EXPECT_EQ(released.takeLast().at(2).toFloat(), expected) << at;
    }
}

// Holds at whatever ratio the screen has; ctest runs it at 1, 1.5 and 2.
TEST_F(WindowTest, TheBoardIsDrawnForTheScreensRatioAndClicksPlayTheirCells)
{
    open();
    show();
    board().repaint();
    const qreal ratio = board().devicePixelRatioF();
    EXPECT_EQ(board().picture().devicePixelRatio(), ratio);
    EXPECT_EQ(board().picture().width(), int(std::lround(480 * ratio)));

    newGame(ANSWER_YES);
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier, cellPoint(4, 2));
    EXPECT_EQ(w->state().Board(4, 2), BLACK) << "the click played the cell under it";

    // The separator between "Cursor" and "Coord." shows at every ratio.
    const QImage line = control<QWidget>("Line2")->grab().toImage();
    bool dark = false;
    for (int y = 0; y < line.height(); ++y)
        for (int x = 0; x < line.width(); ++x)
            dark = dark || qGray(line.pixel(x, y)) < 64;
    EXPECT_TRUE(dark) << "Line2 vanished at ratio " << ratio;
}
