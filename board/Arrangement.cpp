#include "board/Arrangement.h"

#include "core/NumberText.h"
#include "core/Puzzle.h"

namespace fw {

Cell *sourceCell(Puzzle &puzzle, CellRef ref)
{
    if (ref.array == CellRef::Array::Number) {
        // Pool cells beyond the count are hidden and hold no number of this
        // puzzle; they cannot be dragged.
        if (ref.index < 1 || ref.index > puzzle.NumCount)
            return nullptr;
        return &puzzle.txtNumber[ref.index];
    }
    if (ref.index < 0 || ref.index > 4 || ref.index == 2)
        return nullptr;
    return &puzzle.txtOp[ref.index];
}

void txtGuess_DragDrop(Puzzle &puzzle, int i, const DragSource &source)
{
    // Cells beyond the count are hidden and take no drops.
    if (i < 1 || i > puzzle.NumCount || source.backColor == kOperatorBackColor)
        return;
    if (puzzle.GuessNums[i] > 0)
        return;
    Cell *cell = sourceCell(puzzle, source.cell);
    if (!cell)
        return;
    // A pool cell whose number already went into the row is empty but can
    // still be dragged; only a real number may enter the row.
    const auto number = strictInt16(cell->text);
    if (!number || *number < 1)
        return;
    puzzle.GuessNums[i] = *number;
    puzzle.txtGuess[i].text = cell->text;
    cell->text.clear();
    puzzle.EvaluateGuess();
}

void txtGuess_MouseDown(Puzzle &puzzle, int i)
{
    if (i < 1 || i > puzzle.NumCount || puzzle.GuessNums[i] <= 0)
        return;
    const int count = puzzle.NumCount;
    for (int k = 1; k <= count; ++k) {
        if (puzzle.txtNumber[k].text.empty()) {
            puzzle.txtNumber[k].text = decimalText(puzzle.GuessNums[i]);
            puzzle.GuessNums[i] = 0;
            puzzle.txtGuess[i].text.clear();
            break;
        }
    }
    puzzle.EvaluateGuess();
}

void txtGuessOp_DragDrop(Puzzle &puzzle, int j, const DragSource &source)
{
    if (j < 1 || j >= puzzle.NumCount || source.backColor != kOperatorBackColor)
        return;
    const Cell *cell = sourceCell(puzzle, source.cell);
    if (!cell)
        return;
    puzzle.txtGuessOp[j].text = cell->text;
    puzzle.EvaluateGuess();
}

void txtGuessOp_MouseDown(Puzzle &puzzle, int j)
{
    if (j < 1 || j >= puzzle.NumCount)
        return;
    puzzle.txtGuessOp[j].text.clear();
    puzzle.EvaluateGuess();
}

void txtNumber_DragDrop(Puzzle &, int, const DragSource &)
{
}

} // namespace fw
