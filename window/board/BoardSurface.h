#pragma once

#include <QFrame>
#include <QImage>

#include <functional>

#include "GameState.h"
#include "board/BoardRaster.h"

namespace kalvado {

// The board surface: a retained 480 x 480 picture inside a sunken border,
// and the mouse over it. Everything drawn stays in the picture until a new
// background replaces it, so the board never needs redrawing from the game
// state. The picture follows the screen's device pixel ratio.
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
    const QImage& picture() const { return m_raster.picture(); }
    // Makes the picture one for a ratio, drawn afresh. Painting does this by
    // itself whenever the widget's ratio changes.
    void setPictureRatio(qreal ratio);
    EdgeColours edgeColours() const { return m_raster.edgeColours(); }

    // The logical pixel of the picture under a point of the widget: points
    // come with fractions at fractional ratios, and the pixel that holds
    // them is the one meant.
    QPointF toPicture(QPointF widgetPos) const;
    // A rectangle of the picture in the widget's coordinates.
    QRect fromPicture(const QRect& pictureRect) const;

    // Something drawn over the picture after every paint, never into it
    // (the keyboard's cell cursor), in the widget's coordinates.
    void setOverlay(std::function<void(QPainter&)> paint) { m_overlay = std::move(paint); }

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

private:
    BoardRaster m_raster;
    std::function<void(QPainter&)> m_overlay;
};

} // namespace kalvado
