#include "board/Hints.h"

#include "core/NumberText.h"
#include "core/Puzzle.h"

#include <cmath>
#include <limits>

namespace fw {

int hintNumberCell(int numCount, int roll)
{
    const double k = std::nearbyint(static_cast<double>(numCount * roll) / 6.0);
    return k < 1 ? 1 : static_cast<int>(k);
}

int hintOperatorCell(int numCount, int roll)
{
    int e = numCount * roll / 6;
    if (e < 1)
        e = 1;
    const int j = static_cast<int>(std::nearbyint(e * 0.8));
    return j <= numCount - 1 ? j : 0;
}

void cmdHint_Click(Puzzle &puzzle)
{
    for (int n = 0; n < 2; ++n)
        puzzle.txtAnswer[hintNumberCell(puzzle.NumCount, puzzle.RollDie())].visible = true;
    if (const int j = hintOperatorCell(puzzle.NumCount, puzzle.RollDie()); j > 0)
        puzzle.txtAnswerOp[j].visible = true;
    // Each hint starts the two seconds afresh.
    puzzle.Timer2.restart(2000);
    // The count stops at its largest value instead of wrapping round.
    if (puzzle.HintsUsed < std::numeric_limits<std::int16_t>::max())
        ++puzzle.HintsUsed;
    puzzle.lblHint3.text = decimalText(puzzle.HintsUsed);
    puzzle.lblHint1.visible = true;
    puzzle.lblHint2.visible = true;
    puzzle.lblHint3.visible = true;
}

void Timer2_Timer(Puzzle &puzzle)
{
    puzzle.Timer2.disable();
    puzzle.AnswersShown = false;
    puzzle.hideSolution();
}

void cmdAnswers_Click(Puzzle &puzzle)
{
    if (puzzle.AnswersShown) {
        puzzle.AnswersShown = false;
        puzzle.hideSolution();
    } else {
        puzzle.AnswersShown = true;
        for (int k = 1; k <= puzzle.NumCount; ++k)
            puzzle.txtAnswer[k].visible = true;
        for (int j = 1; j < puzzle.NumCount; ++j)
            puzzle.txtAnswerOp[j].visible = true;
    }
    puzzle.lblPeeked.visible = true;
}

} // namespace fw
