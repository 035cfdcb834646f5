#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

#include "BoardGeometry.h"
#include "GameState.h"
#include "board/Module1.h"

namespace kalvado {

// The board's retained picture: a background image, the grid and the discs,
// in device pixels. At a ratio of 1 every pixel is set by hand, exactly; at
// any other ratio lines are snapped to whole device pixels and discs are
// smooth, each the same shape. What was drawn since the last background is
// kept as a list, so the picture can be drawn afresh for another ratio.
class BoardRaster {
public:
    // `windowColour` is what shows where no background image reaches.
    explicit BoardRaster(std::function<QColor()> windowColour);

    // Replaces everything drawn by the image, unscaled from the top-left
    // corner.
    void setBackground(const QImage& image);
    void drawBoard();
    void drawChess(int col, int row, Cell chess);

    // The picture, brought up to date first.
    const QImage& picture() const;
    qreal ratio() const { return m_picture.devicePixelRatio(); }
    // Makes the picture one for a ratio, to be drawn afresh when next looked
    // at. False when it already was one.
    bool setRatio(qreal ratio);
    EdgeColours edgeColours() const;

private:
    struct Drawn {
        bool disc; // else the grid
        int col;
        int row;
        Cell chess;
    };

    void redrawIfStale() const;
    void paintBackground();
    void paintBoard();
    void paintChess(int col, int row, Cell chess);

    std::function<QColor()> m_windowColour;
    // The picture is drawn at once at a ratio of 1. At any other the work
    // waits for the next look at the picture while a new background makes
    // it stale, so that a window opening on such a screen is mapped without
    // waiting for its board.
    QImage m_picture;
    QImage m_background;
    QImage m_under; // the picture without its discs, at ratios other than 1
    std::vector<Drawn> m_drawn; // since the last background, in order
    bool m_stale = false;       // the picture lags behind m_background and m_drawn
    std::vector<float> m_discMask; // coverage of a disc at the picture's ratio
    int m_discReach = 0;           // the mask's half width in device pixels
};

} // namespace kalvado
