#pragma once

#include <QObject>

#include <functional>

#include "GameState.h"

class QAccessibleInterface;

namespace kalvado {

class BoardSurface;
class CellCursor;

// The board as assistive technology sees it: a table of 8 x 8 named cells,
// each of which can be played with its "Place disc" action.
QAccessibleInterface* NewBoardTable(BoardSurface* board);

// What the board's table reads, handed over by the window: what each cell
// holds (the game's board), and the keyboard's cell cursor, which is the
// table's focus and its way to play a cell.
class BoardReading : public QObject {
    Q_OBJECT

public:
    BoardReading(BoardSurface* board, CellCursor* cursor, std::function<Cell(int col, int row)> cells);

    Cell cell(int col, int row) const { return m_cells(col, row); }
    CellCursor* cursor() const { return m_cursor; }

private:
    CellCursor* m_cursor;
    std::function<Cell(int, int)> m_cells;
};

// The action that plays a cell, as a screen reader or switch access names it.
inline constexpr char PLACE_DISC_ACTION[] = "Place disc";

} // namespace kalvado
