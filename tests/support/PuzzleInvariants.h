#pragma once

#include "board/Shown.h"
#include "core/Puzzle.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <vector>

Q_DECLARE_METATYPE(fw::Operator)
Q_DECLARE_METATYPE(fw::Closing)

// What control `index` of `kind` shows as written ("" when it keeps its
// laid-out text).
inline QString textOf(const fw::Puzzle &p, fw::Control kind, int index = -1)
{
    const auto s = fw::shown(p, {kind, index});
    const std::string *text = s && s->text ? std::get_if<std::string>(&*s->text) : nullptr;
    return text ? QString::fromStdString(*text) : QString();
}

// The closing message the puzzle says, shown or not.
inline std::optional<fw::Closing> closingOf(const fw::Puzzle &p)
{
    const auto s = fw::shown(p, {fw::Control::lblDone, -1});
    const fw::Closing *closing = s && s->text ? std::get_if<fw::Closing>(&*s->text) : nullptr;
    return closing ? std::optional(*closing) : std::nullopt;
}

// Cells first..last of a control array: their texts joined by '|', or with
// `visibility` one 'x' (visible) or '.' (hidden) per cell.
inline QString cellsOf(
    const fw::Puzzle &p, fw::Control kind, int first, int last, bool visibility = false)
{
    QStringList texts;
    QString marks;
    for (int i = first; i <= last; ++i) {
        texts << textOf(p, kind, i);
        marks += fw::shown(p, {kind, i})->visible ? 'x' : '.';
    }
    return visibility ? marks : texts.join('|');
}

// One step of a row, worked out here rather than by the game's code.
inline long long stepValue(fw::Operator op, long long total, long long next)
{
    switch (op) {
    case fw::Operator::Subtract: return total - next;
    case fw::Operator::Multiply: return total * next;
    case fw::Operator::Divide: return total / next; // truncates toward zero
    default: return total + next;
    }
}

inline std::vector<int> sorted(std::vector<int> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

// The hidden solution uses the puzzle's numbers, stays within 16 bits at
// every step and makes the target, which is 1 or more.
inline QString checkSolution(const fw::Puzzle &p)
{
    const int n = p.NumCount;
    if (sorted({p.Numbers.begin() + 1, p.Numbers.begin() + 1 + n})
        != sorted({p.AnswerNums.begin() + 1, p.AnswerNums.begin() + 1 + n}))
        return QStringLiteral("the solution does not use the puzzle's numbers");
    long long value = p.AnswerNums[1];
    for (int k = 2; k <= n; ++k) {
        if (p.AnswerOps[k - 1] == fw::Operator::None)
            return QStringLiteral("solution operator %1 is missing").arg(k - 1);
        value = stepValue(p.AnswerOps[k - 1], value, p.AnswerNums[k]);
        if (value < std::numeric_limits<std::int16_t>::min()
            || value > std::numeric_limits<std::int16_t>::max())
            return QStringLiteral("the solution leaves 16 bits at step %1").arg(k);
    }
    if (value != p.Target || p.Target < 1)
        return QStringLiteral("the solution makes %1, the target is %2").arg(value).arg(p.Target);
    return {};
}

// What must hold after every move a player can make, whatever the moves.
// Returns an empty text when all holds, else what broke.
inline QString checkPuzzleInvariants(const fw::Puzzle &p)
{
    using fw::Control;
    const int n = p.NumCount;
    if (n < 2 || n > 6)
        return QStringLiteral("count %1 out of range").arg(n);

    // Pool and row together hold exactly the puzzle's numbers; hidden pool
    // cells keep a drawn number, hidden row cells hold none.
    std::vector<int> expected;
    std::vector<int> held;
    for (int i = 1; i <= 6; ++i) {
        if (i > n) {
            if (p.Numbers[i] != 0 || p.GuessNums[i] != 0 || !p.Pool[i])
                return QStringLiteral("cell %1 beyond the count is not as dealt").arg(i);
            continue;
        }
        expected.push_back(p.Numbers[i]);
        if (p.Pool[i])
            held.push_back(*p.Pool[i]);
        if (p.GuessNums[i] > 0)
            held.push_back(p.GuessNums[i]);
    }
    if (sorted(expected) != sorted(held))
        return QStringLiteral("pool and row do not hold the puzzle's numbers");

    long long total = p.GuessNums[1];
    for (int i = 2; i <= n; ++i)
        if (p.GuessNums[i] > 0)
            total = stepValue(p.GuessOps[i - 1], total, p.GuessNums[i]);
    if (p.Total != total || textOf(p, Control::txtCurrentTotal) != QString::number(total))
        return QStringLiteral("total shows %1, the row makes %2")
            .arg(textOf(p, Control::txtCurrentTotal))
            .arg(total);

    if (const QString broken = checkSolution(p); !broken.isEmpty())
        return broken;

    // Exactly the cells in play are visible.
    const QString inPlay = QString(n, 'x') + QString(6 - n, '.');
    if (cellsOf(p, Control::txtNumber, 1, 6, true) != inPlay
        || cellsOf(p, Control::txtGuess, 1, 6, true) != inPlay
        || cellsOf(p, Control::txtGuessOp, 1, 5, true) != inPlay.mid(1))
        return QStringLiteral("cells in play: %1").arg(inPlay);
    if (p.AnswersShown
        && (cellsOf(p, Control::txtAnswer, 1, n, true) != QString(n, 'x')
            || cellsOf(p, Control::txtAnswerOp, 1, n - 1, true) != QString(n - 1, 'x')))
        return QStringLiteral("solution shown with cells hidden");
    if (p.Done && p.Timer1.enabled)
        return QStringLiteral("solved but the clock runs");
    return {};
}
