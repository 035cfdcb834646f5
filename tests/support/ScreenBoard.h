#pragma once

// The board as it stands on a screen shot of the real program: where its
// picture is, and which disc each cell shows.

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BoardPicture.h"
#include "BoxScript.h"
#include "FakeWindow.h"
#include "GameState.h"
#include "boxes/MessageBoxes.h"
#include "Product.h"

namespace kalvado::test {

// The board picture's top-left pixel on the screen, found within `area` by
// the skin's own pixels away from the grid and the discs. At a ratio of 1
// only, where the skin is shown pixel for pixel.
inline std::optional<QPoint> FindPicture(const QImage& shot, const QImage& skin, QRect area)
{
    const QPoint probes[] = {{100, 100}, {300, 150}, {150, 400}, {5, 5}, {470, 30}};
    area &= QRect(0, 0, shot.width() - SURFACE_SIZE + 1, shot.height() - SURFACE_SIZE + 1);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            bool match = true;
            for (const QPoint& p : probes)
                if (shot.pixel(x + p.x(), y + p.y()) != skin.pixel(p)) {
                    match = false;
                    break;
                }
            if (match)
                return QPoint(x, y);
        }
    return std::nullopt;
}

// At any ratio: the middle of every pure black pixel within `area`, which
// in the starting position is the middle of its two black discs, the
// picture's (241, 241).
inline std::optional<QPointF> BlackDiscsMiddle(const QImage& shot, QRect area)
{
    QRect found;
    area &= shot.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((shot.pixel(x, y) & 0xffffff) == 0)
                found |= QRect(x, y, 1, 1);
    if (found.isEmpty())
        return std::nullopt;
    return QRectF(found).center();
}

// The disc every cell shows at the screen point `centre` gives for it:
// black, white, or none (anything else).
inline BoardCells ShownDiscs(const QImage& shot, const std::function<QPoint(int col, int row)>& centre)
{
    BoardCells shown;
    forEachCell([&](int col, int row) {
        const QPoint p = centre(col, row);
        const QRgb rgb = shot.rect().contains(p) ? shot.pixel(p) & 0xffffff : 0x808080;
        shown(col, row) = rgb == 0 ? BLACK : rgb == 0xffffff ? WHITE : EMPTY;
    });
    return shown;
}

// The same for a picture shown pixel for pixel from `picture` on.
inline BoardCells ShownDiscs(const QImage& shot, QPoint picture)
{
    return ShownDiscs(shot, [&](int col, int row) { return picture + DiscCentre(col, row); });
}

// What is wrong with the discs that `shot` shows from the board picture's
// top-left pixel `picture` on, against `board` over `skin` (at a ratio of
// 1): a disc fills its cell out to its radius, an empty cell shows the skin.
// Empty when all is right.
inline std::string DiscMismatch(const QImage& shot, QPoint picture, const BoardCells& board, const QImage& skin)
{
    const BoardCells shown = ShownDiscs(shot, picture);
    if (shown != board)
        return "the discs shown are\n" + pictureOf(shown) + "where the board has\n" + pictureOf(board);
    std::string wrong;
    forEachCell([&](int col, int row) {
        const QPoint c = DiscCentre(col, row);
        const Cell cell = board(col, row);
        for (QPoint p : {c, c + QPoint(-DISC_RADIUS, 0), c + QPoint(DISC_RADIUS, 0), c + QPoint(0, -DISC_RADIUS),
                         c + QPoint(0, DISC_RADIUS)}) {
            if (cell == EMPTY && !skin.rect().contains(p))
                continue; // a small skin leaves the window colour there
            const QRgb expected = cell == BLACK ? qRgb(0, 0, 0) : cell == WHITE ? qRgb(255, 255, 255) : skin.pixel(p);
            if (wrong.empty() && (shot.pixel(picture + p) | 0xff000000) != (expected | 0xff000000))
                wrong = "cell " + std::to_string(col) + "," + std::to_string(row) + " shows the wrong disc";
        }
    });
    return wrong;
}

// The title and key that answer each box the model expects, in order: Return
// for OK and for Yes (the default button), Escape for No, as `script` says.
struct BoxAnswer {
    std::string title;
    const char* key;
};
inline std::vector<BoxAnswer> BoxAnswers(const std::vector<Box>& boxes, BoxScript script = {})
{
    std::vector<BoxAnswer> keys;
    for (const Box& box : boxes)
        keys.push_back({box.title.empty() ? std::string(APP_TITLE) : box.title,
                        script.answer(box.style) == ANSWER_NO ? "Escape" : "Return"});
    return keys;
}

} // namespace kalvado::test
