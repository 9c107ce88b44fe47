#pragma once

#include "core/Operator.h"
#include "screenreader/WhatChanged.h"

#include <QString>

#include <span>

namespace fw {
class Puzzle;
}

namespace fw::screenreader {

// The words a screen reader says of the board, in the player's language.

// How an operator is spoken: "plus", "minus", "times", "divide".
QString operatorWord(Operator op);

// What a screen reader says for a control of the board: "Target",
// "Number 2 of the pool", "3 numbers"...; empty where its text says it.
QString spokenName(ControlId id);

// A new puzzle: "Target 11. Numbers: 5, 1, 2."
QString dealLine(const Puzzle &puzzle);
// A pool number or an operator taken up from the keyboard: "Holding 5."
QString holdingLine(const Puzzle &puzzle, ControlId held);
// What the keyboard held went back: "Put back."
QString putBackLine();
// What changed, as the board shows it now: "Cell 2: 5. Total: 9.",
// "Hint 1. Solution cell 3: 2. Solution between cells 1 and 2: plus."
QString changesLine(const Puzzle &puzzle, std::span<const Change> said);
// Asked for at any time: "Target 11. Total: 9. Clock: 23 seconds."
QString statusLine(const Puzzle &puzzle);

} // namespace fw::screenreader
