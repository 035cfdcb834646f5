#pragma once

#include <QFrame>
#include <QImage>

#include <functional>

#include "BoardRaster.h"
#include "GameState.h"

namespace kalvado {

// The board surface: a retained 480 x 480 picture inside a sunken border.
// Everything drawn stays in the picture until a new background replaces it,
// so the board never needs redrawing from the game state. The picture
// follows the screen's device pixel ratio.
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

    // The keyboard's cell cursor: moved with the arrow keys, shown only to
    // a player using the board's keys, drawn over the picture, never into it.
    QPoint cursorCell() const { return m_cursor; }
    bool cursorShown() const { return m_cursorShown && hasFocus(); }
    // Plays the cell as the keyboard does, for any other way of choosing one
    // (an accessible action); nothing off the board.
    void chooseCell(int col, int row);
    // What each cell holds, for assistive technology.
    void setCellSource(std::function<Cell(int col, int row)> source) { m_cellSource = std::move(source); }
    Cell cellContent(int col, int row) const { return m_cellSource ? m_cellSource(col, row) : EMPTY; }

signals:
    // Positions are the picture's logical pixels (the one under the pointer,
    // rounded down); buttons and keys use the classic codes (1 left, 2 right,
    // 4 middle; 1 shift, 2 ctrl, 4 alt).
    void mouseMoved(int button, int shift, float x, float y);
    void mouseReleased(int button, int shift, float x, float y);
    // The keyboard chose the cell under its cursor to place a disc on.
    void cellChosen(int col, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updatePicture(const QRect& pictureRect);
    QRect cursorRect() const;
    void tellCursorFocus();

    BoardRaster m_raster;
    QPoint m_cursor{0, 0};
    bool m_cursorShown = false; // a board key was used since the pointer last moved here
    bool m_readerKeyHeld = false; // Insert or Caps Lock, the screen reader's modifiers, is down
    std::function<Cell(int, int)> m_cellSource;
};

} // namespace kalvado
