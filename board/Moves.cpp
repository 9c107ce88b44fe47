#include "board/Moves.h"

#include "core/Puzzle.h"

namespace fw {

namespace {

bool inRow(const Puzzle &puzzle, int i)
{
    return i >= 1 && i <= puzzle.NumCount;
}
bool betweenRowCells(const Puzzle &puzzle, int j)
{
    return j >= 1 && j < puzzle.NumCount;
}

} // namespace

bool drop(Puzzle &puzzle, ControlId target, ControlId source)
{
    const bool fromPool = source.kind == Control::txtNumber;
    const bool fromPalette = source.kind == Control::txtOp;
    switch (target.kind) {
    case Control::txtGuess: return fromPool && placeNumber(puzzle, target.index, source.index);
    case Control::txtGuessOp:
        return fromPalette && placeOperator(puzzle, target.index, source.index);
    default: return false; // the pool, the target and everything else take no drops
    }
}

bool press(Puzzle &puzzle, ControlId target)
{
    switch (target.kind) {
    case Control::txtGuess: return takeBack(puzzle, target.index);
    case Control::txtGuessOp: return clearOperator(puzzle, target.index);
    default: return false;
    }
}

bool placeNumber(Puzzle &puzzle, int i, int k)
{
    // Cells beyond the count are hidden: they take no drops, and their pool
    // numbers belong to no puzzle. A pool cell whose number already went
    // into the row can still be dragged, but brings nothing.
    if (!inRow(puzzle, i) || !inRow(puzzle, k) || puzzle.GuessNums[i] > 0 || !puzzle.Pool[k])
        return false;
    puzzle.GuessNums[i] = *puzzle.Pool[k];
    puzzle.Pool[k].reset();
    return puzzle.EvaluateGuess();
}

bool takeBack(Puzzle &puzzle, int i)
{
    if (!inRow(puzzle, i) || puzzle.GuessNums[i] <= 0)
        return false;
    for (int k = 1; k <= puzzle.NumCount; ++k) {
        if (!puzzle.Pool[k]) {
            puzzle.Pool[k] = puzzle.GuessNums[i];
            puzzle.GuessNums[i] = 0;
            break;
        }
    }
    return puzzle.EvaluateGuess();
}

bool placeOperator(Puzzle &puzzle, int j, int k)
{
    const Operator op = paletteOperator(k);
    if (!betweenRowCells(puzzle, j) || op == Operator::None)
        return false;
    puzzle.GuessOps[j] = op;
    return puzzle.EvaluateGuess();
}

bool clearOperator(Puzzle &puzzle, int j)
{
    if (!betweenRowCells(puzzle, j))
        return false;
    puzzle.GuessOps[j] = Operator::None;
    return puzzle.EvaluateGuess();
}

} // namespace fw
