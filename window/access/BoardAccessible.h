#pragma once

class QAccessibleInterface;

namespace kalvado {

class BoardSurface;

// The board as assistive technology sees it: a table of 8 x 8 named cells,
// each of which can be played with its "Place disc" action.
QAccessibleInterface* NewBoardTable(BoardSurface* board);

// The action that plays a cell, as a screen reader or switch access names it.
inline constexpr char PLACE_DISC_ACTION[] = "Place disc";

} // namespace kalvado
