#pragma once

#include "board/Tidings.h"
#include "core/Operator.h"

#include <QString>

#include <span>

namespace fw {

class Puzzle;

// The words a screen reader says of the board, in the player's language.

// How an operator is spoken: "plus", "minus", "times", "divide".
QString operatorWord(Operator op);

// A new puzzle: "Target 11. Numbers: 5, 1, 2."
QString dealLine(const Puzzle &puzzle);
// A pool number or an operator taken up from the keyboard: "Holding 5."
QString holdingLine(const Puzzle &puzzle, ControlId held);
// What the keyboard held went back: "Put back."
QString putBackLine();
// What changed, as the board shows it now: "Cell 2: 5. Total: 9.",
// "Hint 1. Solution cell 3: 2. Solution between cells 1 and 2: plus."
QString tidingsLine(const Puzzle &puzzle, std::span<const Tiding> said);
// Asked for at any time: "Target 11. Total: 9. Clock: 23 seconds."
QString statusLine(const Puzzle &puzzle);

} // namespace fw
