#pragma once

#include <QFrame>
#include <QImage>

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
class BoardSurface : public QFrame {
    Q_OBJECT

public:
    explicit BoardSurface(QWidget* parent = nullptr);

    // Replaces everything drawn by the image, unscaled from the top-left
    // corner; what the image does not cover shows the window colour.
    void setBackground(const QImage& image);
    void DrawBoard();
    void DrawChess(int col, int row, Cell chess);

    const QImage& picture() const { return m_picture; }
    EdgeColours edgeColours() const;

    static QRect cellRect(int col, int row);
    static QPoint discCentre(int col, int row);

signals:
    // Positions are in the picture's pixels; buttons and keys use the
    // classic codes (1 left, 2 right, 4 middle; 1 shift, 2 ctrl, 4 alt).
    void mouseMoved(int button, int shift, float x, float y);
    void mouseReleased(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF toPicture(QPointF widgetPos) const;
    void updatePicture(const QRect& pictureRect);

    QImage m_picture;
};

} // namespace kalvado
