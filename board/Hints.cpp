#include "board/Hints.h"

#include "core/Puzzle.h"
#include "numbers/Saturating.h"

#include <cmath>

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
    const int j = static_cast<int>(std::nearbyint(e * kGapsPerNumber));
    return j <= numCount - 1 ? j : 0;
}

void showHint(Puzzle &puzzle)
{
    for (int n = 0; n < 2; ++n)
        puzzle.AnswerShownAt[hintNumberCell(puzzle.NumCount, puzzle.RollDie())] = true;
    if (const int j = hintOperatorCell(puzzle.NumCount, puzzle.RollDie()); j > 0)
        puzzle.AnswerOpShownAt[j] = true;
    // Each hint starts the two seconds afresh.
    puzzle.Timer2.restart(kHintShowMs);
    puzzle.HintsUsed = raisedByOne(puzzle.HintsUsed);
    puzzle.HintCountShown = true;
}

void hideHint(Puzzle &puzzle)
{
    puzzle.Timer2.disable();
    puzzle.AnswersShown = false;
    puzzle.hideSolution();
}

void toggleAnswer(Puzzle &puzzle)
{
    if (puzzle.AnswersShown) {
        puzzle.AnswersShown = false;
        puzzle.hideSolution();
    } else {
        puzzle.AnswersShown = true;
        for (int k = 1; k <= puzzle.NumCount; ++k)
            puzzle.AnswerShownAt[k] = true;
        for (int j = 1; j < puzzle.NumCount; ++j)
            puzzle.AnswerOpShownAt[j] = true;
    }
    puzzle.Peeked = true;
}

} // namespace fw
