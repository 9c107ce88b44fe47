#pragma once

// The one solve by drops: the main window's puzzle solved the way a player
// who knows the hidden solution would, by presses and drag-and-drop events
// on the real cells.

#include "mainwindow/FrmMain.h"
#include "support/DropEvents.h"

#include <QString>
#include <QtTest/QTest>

namespace fwtest {

// The palette cell that carries an operator of the hidden solution.
inline fw::ControlId paletteCellFor(fw::Operator op)
{
    for (int k : fw::kPaletteIndexes)
        if (fw::paletteOperator(k) == op)
            return {fw::Control::txtOp, k};
    qFatal("no palette cell for the operator");
}

struct SolveMoves {
    int presses = 0;
    int drops = 0;
    int refused = 0; // drops the cells did not take
};

inline QWidget *cellNamed(fw::FrmMain &window, const QString &name)
{
    auto *cell = window.findChild<QWidget *>(name);
    if (!cell)
        qFatal("no cell named %s", qPrintable(name));
    return cell;
}

// A press and release of `button` in the middle of the named cell.
inline void pressCell(
    fw::FrmMain &window, const QString &name, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget *cell = cellNamed(window, name);
    QTest::mousePress(cell, button, {}, cell->rect().center());
    QTest::mouseRelease(cell, button, {}, cell->rect().center());
}

// Every number of the row back to the pool, each operator of the hidden
// solution dropped from the palette into its gap, then each number dropped
// from the pool into its slot; the last drop solves the puzzle.
inline SolveMoves solveByDrops(fw::FrmMain &window)
{
    SolveMoves moves;
    const fw::Puzzle &p = window.puzzle();
    const int n = p.NumCount;
    for (int i = 1; i <= n; ++i) {
        if (p.GuessNums[i] > 0) {
            pressCell(window, QStringLiteral("txtGuess(%1)").arg(i));
            ++moves.presses;
        }
    }
    for (int j = 1; j < n; ++j) {
        moves.refused += !dropCell(cellNamed(window, QStringLiteral("txtGuessOp(%1)").arg(j)),
            paletteCellFor(p.AnswerOps[j]));
        ++moves.drops;
    }
    for (int k = 1; k <= n; ++k) {
        for (int m = 1; m <= n; ++m) {
            if (p.Pool[m] == p.AnswerNums[k]) {
                moves.refused += !dropCell(cellNamed(window, QStringLiteral("txtGuess(%1)").arg(k)),
                    fw::ControlId {fw::Control::txtNumber, m});
                ++moves.drops;
                break;
            }
        }
    }
    return moves;
}

} // namespace fwtest
