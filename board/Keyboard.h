#pragma once

#include "board/Control.h"

#include <optional>

namespace fw {

class Puzzle;

// Play from the keyboard: a pool number or a palette operator is picked up
// and then put on a row cell, which does exactly what dragging it there
// does; a row cell taken with nothing in hand does what a press does.
class Hand {
public:
    std::optional<ControlId> held() const { return m_held; }
    void release() { m_held.reset(); }

    // Takes up a cell that can be dragged and holds a number or an
    // operator, in place of anything held before; true when it did.
    bool pickUp(const Puzzle &puzzle, ControlId cell);

private:
    std::optional<ControlId> m_held;
};

// Space or Enter on a cell: a pool or palette cell is picked up; on a row
// cell what is held is dropped (and the hand emptied, whatever the drop
// did), or with nothing held the cell is pressed. True when that solved
// the puzzle.
bool activate(Puzzle &puzzle, Hand &hand, ControlId cell);

// The arrow keys move along the pool, along the row (numbers and operators
// in turn) and round the two-by-two palette; nothing past either end.
enum class Step { Left, Right, Up, Down };
std::optional<ControlId> neighbour(const Puzzle &puzzle, ControlId from, Step step);

} // namespace fw
