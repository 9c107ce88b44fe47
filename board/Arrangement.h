#pragma once

#include "board/DragSource.h"

#include <cstdint>

namespace fw {

class Puzzle;

// The player's moves on the row: placing and taking back numbers, placing
// and clearing operators. Each accepted change evaluates the row again;
// refused moves change nothing and say nothing.
void txtGuess_DragDrop(Puzzle &puzzle, int i, const DragSource &source);
void txtGuess_MouseDown(Puzzle &puzzle, int i);
void txtGuessOp_DragDrop(Puzzle &puzzle, int j, const DragSource &source);
void txtGuessOp_MouseDown(Puzzle &puzzle, int j);
// A drop on the pool or on the target changes nothing.
void txtNumber_DragDrop(Puzzle &puzzle, int k, const DragSource &source);

} // namespace fw
