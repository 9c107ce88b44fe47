#include "screenreader/Words.h"

#include "board/Shown.h"
#include "cells/Showing.h"
#include "core/Puzzle.h"
#include "ui/Translations.h"

#include <QStringList>

namespace fw::screenreader {

namespace {

// A control's text as the board shows it, without the target's blanks.
QString textOf(const Puzzle &puzzle, ControlId cell)
{
    const auto now = shown(puzzle, cell);
    return now && now->text ? cells::textFor(*now->text).trimmed() : QString();
}

QString totalLine(const Puzzle &puzzle)
{
    return ui::Texts::tr("Total: %1.").arg(textOf(puzzle, {Control::txtCurrentTotal}));
}

// The solution as far as it goes: "5 times 2 plus 1".
QString solutionWords(const Puzzle &puzzle)
{
    QStringList words;
    for (int n = 1; n <= puzzle.NumCount; ++n) {
        words << textOf(puzzle, {Control::txtAnswer, n});
        if (n < puzzle.NumCount)
            words << operatorWord(puzzle.AnswerOps[std::size_t(n)]);
    }
    return words.join(QLatin1Char(' '));
}

QString rowCellLine(const Puzzle &puzzle, ControlId cell)
{
    const QString n = QString::number(cell.index), next = QString::number(cell.index + 1);
    if (cell.kind == Control::txtGuessOp) {
        const Operator op = puzzle.GuessOps[std::size_t(cell.index)];
        if (op == Operator::None)
            return ui::Texts::tr("Between cells %1 and %2: nothing.").arg(n, next);
        return ui::Texts::tr("Between cells %1 and %2: %3.").arg(n, next, operatorWord(op));
    }
    const QString number = textOf(puzzle, cell);
    if (number.isEmpty())
        return ui::Texts::tr("Cell %1 empty.").arg(n);
    return ui::Texts::tr("Cell %1: %2.").arg(n, number);
}

QString revealedLine(const Puzzle &puzzle, ControlId cell)
{
    const QString n = QString::number(cell.index), next = QString::number(cell.index + 1);
    if (cell.kind == Control::txtAnswerOp)
        return ui::Texts::tr("Solution between cells %1 and %2: %3.")
            .arg(n, next, operatorWord(puzzle.AnswerOps[std::size_t(cell.index)]));
    return ui::Texts::tr("Solution cell %1: %2.").arg(n, textOf(puzzle, cell));
}

QString line(const Puzzle &puzzle, const Change &change)
{
    using Kind = Change::Kind;
    switch (change.kind) {
    case Kind::RowCell: return rowCellLine(puzzle, change.cell);
    case Kind::NoChange: return ui::Texts::tr("No change.");
    case Kind::Total: return totalLine(puzzle);
    case Kind::Revealed: return revealedLine(puzzle, change.cell);
    case Kind::HintsUsed: return ui::Texts::tr("Hint %1.").arg(textOf(puzzle, {Control::lblHint3}));
    case Kind::Solution: return ui::Texts::tr("Solution: %1.").arg(solutionWords(puzzle));
    case Kind::SolutionHidden: return ui::Texts::tr("Solution hidden.");
    case Kind::Closing: return textOf(puzzle, {Control::lblDone});
    case Kind::Peeked: return ui::Texts::tr("You peeked!");
    }
    return {};
}

} // namespace

QString operatorWord(Operator op)
{
    switch (op) {
    case Operator::Add: return ui::Texts::tr("plus");
    case Operator::Subtract: return ui::Texts::tr("minus");
    case Operator::Multiply: return ui::Texts::tr("times");
    case Operator::Divide: return ui::Texts::tr("divide");
    case Operator::None: break;
    }
    return {};
}

QString dealLine(const Puzzle &puzzle)
{
    QStringList numbers;
    for (int n = 1; n <= puzzle.NumCount; ++n)
        numbers << textOf(puzzle, {Control::txtNumber, n});
    return ui::Texts::tr("Target %1. Numbers: %2.")
        .arg(textOf(puzzle, {Control::txtNumber, 0}), numbers.join(QLatin1String(", ")));
}

QString holdingLine(const Puzzle &puzzle, ControlId held)
{
    const QString what = held.kind == Control::txtOp ? operatorWord(paletteOperator(held.index))
                                                     : textOf(puzzle, held);
    return ui::Texts::tr("Holding %1.").arg(what);
}

QString spokenName(ControlId id)
{
    const int n = id.index;
    switch (id.kind) {
    case Control::txtNumber:
        return n == 0 ? ui::Texts::tr("Target") : ui::Texts::tr("Number %1 of the pool").arg(n);
    case Control::txtGuess: return ui::Texts::tr("Your guess, cell %1").arg(n);
    case Control::txtGuessOp:
        return ui::Texts::tr("Operator between cells %1 and %2").arg(n).arg(n + 1);
    case Control::txtAnswer: return ui::Texts::tr("Solution, cell %1").arg(n);
    case Control::txtAnswerOp:
        return ui::Texts::tr("Solution, operator between cells %1 and %2").arg(n).arg(n + 1);
    case Control::txtCurrentTotal: return ui::Texts::tr("Running total");
    case Control::txtTimer: return ui::Texts::tr("Clock");
    case Control::cmdNums: return ui::Texts::tr("%n numbers", nullptr, n);
    case Control::txtOp:
        return ui::Texts::tr("Operator %1, drag it into your guess")
            .arg(operatorWord(paletteOperator(n)));
    default: return {};
    }
}

QString putBackLine()
{
    return ui::Texts::tr("Put back.");
}

QString changesLine(const Puzzle &puzzle, std::span<const Change> changes)
{
    QStringList lines;
    for (const Change &change : changes)
        lines << line(puzzle, change);
    lines.removeAll(QString());
    return lines.join(QLatin1Char(' '));
}

QString statusLine(const Puzzle &puzzle)
{
    // The clock is said as it shows ("00" before its first tick); the count
    // it shows picks the plural form of "seconds".
    const QString clock = textOf(puzzle, {Control::txtTimer});
    return ui::Texts::tr("Target %1. Total: %2. Clock: %3 seconds.", nullptr, clock.toInt())
        .arg(textOf(puzzle, {Control::txtNumber, 0}), textOf(puzzle, {Control::txtCurrentTotal}),
            clock);
}

} // namespace fw::screenreader
