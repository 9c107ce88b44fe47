#pragma once

#include <cstdint>

namespace fw {

class Puzzle;

// Which solution number cell a hint reveals for a roll of the die.
int hintNumberCell(int numCount, int roll);
// Which solution operator cell a hint reveals for a roll, or 0 for none.
int hintOperatorCell(int numCount, int roll);

// "Hint": shows two solution numbers and one operator for two seconds.
void cmdHint_Click(Puzzle &puzzle);
// The two seconds are over: every solution cell is hidden again.
void Timer2_Timer(Puzzle &puzzle);
// "Answer": shows or hides the whole solution and marks the puzzle peeked.
void cmdAnswers_Click(Puzzle &puzzle);

} // namespace fw
