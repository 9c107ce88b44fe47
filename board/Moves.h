#pragma once

#include "board/Control.h"

namespace fw {

class Puzzle;

// The player's moves on the row. Each returns true when the move solved the
// puzzle (the row was evaluated and completes it); a refused move changes
// nothing, says nothing and does not evaluate.

// A dragged cell dropped on a cell: the one place a drop is told apart by
// the kinds of its target and its source. Pool and palette cells can be
// dragged; only the row takes drops.
bool drop(Puzzle &puzzle, ControlId target, ControlId source);
// A mouse button pressed on a cell: a row number goes back to the pool, a
// row operator is cleared; presses elsewhere do nothing.
bool press(Puzzle &puzzle, ControlId target);

// A number from pool cell k into empty row cell i.
bool placeNumber(Puzzle &puzzle, int i, int k);
// Row cell i's number back into the first empty pool cell, if there is one.
bool takeBack(Puzzle &puzzle, int i);
// Palette cell k's operator into operator cell j, replacing what it held.
bool placeOperator(Puzzle &puzzle, int j, int k);
// Operator cell j emptied, also when it was empty.
bool clearOperator(Puzzle &puzzle, int j);

} // namespace fw
