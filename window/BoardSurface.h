#pragma once

#include <QFrame>
#include <QImage>

#include <functional>
#include <vector>

#include "GameState.h"
#include "Module1.h"

namespace kalvado {

constexpr int SURFACE_SIZE = 480;
constexpr int DISC_RADIUS = 20;
// A disc is centred one pixel right of and below its cell's middle pixel.
constexpr int DISC_OFFSET = BOARD_ORIGIN + CELL_SIZE / 2 + 1;
// The sunken frame runs two pixels outside the grid on every side.
constexpr int FRAME_MARGIN = 2;
constexpr int FRAME_LEFT = BOARD_ORIGIN - FRAME_MARGIN;
constexpr int FRAME_SIZE = BOARD_SIZE * CELL_SIZE + 2 * FRAME_MARGIN;

// The board surface: a retained 480 x 480 picture inside a sunken border.
// Everything drawn stays in the picture until a new background replaces it,
// so the board never needs redrawing from the game state.
//
// The picture holds device pixels. At a ratio of 1 every pixel is set by
// hand, exactly; at any other ratio lines are snapped to whole device
// pixels and discs are smooth, each the same shape. What was drawn since the
// last background is kept as a list, so the picture is drawn afresh when
// the window moves to a screen of another ratio.
class BoardSurface : public QFrame {
    Q_OBJECT

public:
    explicit BoardSurface(QWidget* parent = nullptr);

    // Replaces everything drawn by the image, unscaled from the top-left
    // corner; what the image does not cover shows the window colour.
    void setBackground(const QImage& image);
    void DrawBoard();
    void DrawChess(int col, int row, Cell chess);

    // The picture in device pixels; its devicePixelRatio() says how many
    // per logical pixel.
    const QImage& picture() const;
    // Makes the picture one for a ratio, drawn afresh. Painting does this by
    // itself whenever the widget's ratio changes.
    void setPictureRatio(qreal ratio);
    EdgeColours edgeColours() const;

    static QRect cellRect(int col, int row);
    static QPoint discCentre(int col, int row);

    // The keyboard's cell cursor: moved with the arrow keys, shown only to
    // a player using the board's keys, drawn over the picture, never into it.
    QPoint cursorCell() const { return m_cursor; }
    bool cursorShown() const { return m_cursorShown && hasFocus(); }
    // What each cell holds, for assistive technology.
    void setCellSource(std::function<Cell(int col, int row)> source) { m_cellSource = std::move(source); }
    Cell cellContent(int col, int row) const { return m_cellSource ? m_cellSource(col, row) : EMPTY; }

signals:
    // Positions are the picture's logical pixels (the one under the pointer,
    // rounded down); buttons and keys use the classic codes (1 left, 2 right,
    // 4 middle; 1 shift, 2 ctrl, 4 alt).
    void mouseMoved(int button, int shift, float x, float y);
    void mouseReleased(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Drawn {
        bool disc; // else the grid
        int col;
        int row;
        Cell chess;
    };

    QPointF toPicture(QPointF widgetPos) const;
    void updatePicture(const QRect& pictureRect);
    void redrawIfStale() const;
    void paintBackground();
    void paintBoard();
    void paintChess(int col, int row, Cell chess);
    void paintEdge(const RECT& rc, std::uint32_t edge, const EdgeColours& colours);
    qreal ratio() const { return m_picture.devicePixelRatio(); }
    QRect cursorRect() const;
    void tellCursorFocus();

    // The picture is drawn at once at a ratio of 1. At any other the work
    // waits for the next paint (or look at the picture) while a new
    // background makes it stale, so that a window opening on such a screen
    // is mapped without waiting for its board.
    QImage m_picture;
    QImage m_background;
    std::vector<Drawn> m_drawn; // since the last background, in order
    bool m_stale = false;       // the picture lags behind m_background and m_drawn
    std::vector<float> m_discMask; // coverage of a disc at the picture's ratio
    int m_discReach = 0;           // the mask's half width in device pixels
    QPoint m_cursor{0, 0};
    bool m_cursorShown = false; // a board key was used since the pointer last moved here
    std::function<Cell(int, int)> m_cellSource;
};

} // namespace kalvado
