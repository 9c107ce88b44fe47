#include "mainwindow/Speech.h"

#include "board/Shown.h"
#include "core/Puzzle.h"
#include "ui/ControlTable.h"

#include <QCoreApplication>
#include <QStringList>

namespace fw {

namespace {

QString said(const char *text)
{
    return QCoreApplication::translate(ui::kTextContext, text);
}

// A control's text as the board shows it, without the target's blanks.
QString textOf(const Puzzle &puzzle, ControlId cell)
{
    const auto now = shown(puzzle, cell);
    return now && now->text ? said(now->text->c_str()).trimmed() : QString();
}

QString totalLine(const Puzzle &puzzle)
{
    return said(QT_TRANSLATE_NOOP("Figurewheel", "Total: %1.")).arg(textOf(puzzle, {Control::txtCurrentTotal}));
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
    const int n = cell.index;
    if (cell.kind == Control::txtGuessOp) {
        const Operator op = puzzle.GuessOps[std::size_t(n)];
        if (op == Operator::None)
            return said(QT_TRANSLATE_NOOP("Figurewheel", "Between cells %1 and %2: nothing.")).arg(n).arg(n + 1);
        return said(QT_TRANSLATE_NOOP("Figurewheel", "Between cells %1 and %2: %3.")).arg(n).arg(n + 1).arg(operatorWord(op));
    }
    const QString number = textOf(puzzle, cell);
    if (number.isEmpty())
        return said(QT_TRANSLATE_NOOP("Figurewheel", "Cell %1 empty.")).arg(n);
    return said(QT_TRANSLATE_NOOP("Figurewheel", "Cell %1: %2.")).arg(n).arg(number);
}

QString revealedLine(const Puzzle &puzzle, ControlId cell)
{
    const int n = cell.index;
    if (cell.kind == Control::txtAnswerOp)
        return said(QT_TRANSLATE_NOOP("Figurewheel", "Solution between cells %1 and %2: %3."))
            .arg(n)
            .arg(n + 1)
            .arg(operatorWord(puzzle.AnswerOps[std::size_t(n)]));
    return said(QT_TRANSLATE_NOOP("Figurewheel", "Solution cell %1: %2.")).arg(n).arg(textOf(puzzle, cell));
}

QString line(const Puzzle &puzzle, const Tiding &tiding)
{
    using Kind = Tiding::Kind;
    switch (tiding.kind) {
    case Kind::Deal: return dealLine(puzzle);
    case Kind::Holding: return holdingLine(puzzle, tiding.cell);
    case Kind::PutBack: return said(QT_TRANSLATE_NOOP("Figurewheel", "Put back."));
    case Kind::RowCell: return rowCellLine(puzzle, tiding.cell);
    case Kind::NoChange: return said(QT_TRANSLATE_NOOP("Figurewheel", "No change."));
    case Kind::Total: return totalLine(puzzle);
    case Kind::Revealed: return revealedLine(puzzle, tiding.cell);
    case Kind::HintsUsed:
        return said(QT_TRANSLATE_NOOP("Figurewheel", "Hint %1.")).arg(textOf(puzzle, {Control::lblHint3}));
    case Kind::Solution: return said(QT_TRANSLATE_NOOP("Figurewheel", "Solution: %1.")).arg(solutionWords(puzzle));
    case Kind::SolutionHidden: return said(QT_TRANSLATE_NOOP("Figurewheel", "Solution hidden."));
    case Kind::Closing: return textOf(puzzle, {Control::lblDone});
    case Kind::Peeked: return said(QT_TRANSLATE_NOOP("Figurewheel", "You peeked!"));
    }
    return {};
}

} // namespace

QString operatorWord(Operator op)
{
    switch (op) {
    case Operator::Add: return said(QT_TRANSLATE_NOOP("Figurewheel", "plus"));
    case Operator::Subtract: return said(QT_TRANSLATE_NOOP("Figurewheel", "minus"));
    case Operator::Multiply: return said(QT_TRANSLATE_NOOP("Figurewheel", "times"));
    case Operator::Divide: return said(QT_TRANSLATE_NOOP("Figurewheel", "divide"));
    case Operator::None: break;
    }
    return {};
}

QString dealLine(const Puzzle &puzzle)
{
    QStringList numbers;
    for (int n = 1; n <= puzzle.NumCount; ++n)
        numbers << textOf(puzzle, {Control::txtNumber, n});
    return said(QT_TRANSLATE_NOOP("Figurewheel", "Target %1. Numbers: %2."))
        .arg(textOf(puzzle, {Control::txtNumber, 0}), numbers.join(QLatin1String(", ")));
}

QString holdingLine(const Puzzle &puzzle, ControlId held)
{
    const QString what = held.kind == Control::txtOp ? operatorWord(paletteOperator(held.index))
                                                     : textOf(puzzle, held);
    return said(QT_TRANSLATE_NOOP("Figurewheel", "Holding %1.")).arg(what);
}

QString tidingsLine(const Puzzle &puzzle, std::span<const Tiding> tidings)
{
    QStringList lines;
    for (const Tiding &tiding : tidings)
        lines << line(puzzle, tiding);
    lines.removeAll(QString());
    return lines.join(QLatin1Char(' '));
}

QString statusLine(const Puzzle &puzzle)
{
    return said(QT_TRANSLATE_NOOP("Figurewheel", "Target %1. Total: %2. Clock: %3 seconds."))
        .arg(textOf(puzzle, {Control::txtNumber, 0}), textOf(puzzle, {Control::txtCurrentTotal}),
             textOf(puzzle, {Control::txtTimer}));
}

} // namespace fw
