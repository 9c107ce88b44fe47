#pragma once

namespace fw {

class Puzzle;

// Which solution number cell a hint reveals for a roll of the die.
int hintNumberCell(int numCount, int roll);
// Which solution operator cell a hint reveals for a roll, or 0 for none.
int hintOperatorCell(int numCount, int roll);

// Shows two solution numbers and one operator for two seconds, and counts
// the hint.
void showHint(Puzzle &puzzle);
// The two seconds are over: every solution cell is hidden again.
void hideHint(Puzzle &puzzle);
// Shows or hides the whole solution; either way the puzzle counts as peeked.
void toggleAnswer(Puzzle &puzzle);

// The operator hint picks cell (count × roll ÷ 6) scaled by this, rounded:
// the solution's gaps are one fewer than its numbers.
inline constexpr double kGapsPerNumber = 0.8;
inline constexpr int kHintShowMs = 2000;

} // namespace fw
