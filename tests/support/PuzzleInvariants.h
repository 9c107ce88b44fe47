#pragma once

#include "core/NumberText.h"
#include "core/Puzzle.h"

#include <QString>

#include <algorithm>
#include <vector>

// What must hold after every move a player can make, whatever the moves.
// Returns an empty text when all holds, else what broke.
inline QString checkPuzzleInvariants(const fw::Puzzle &p)
{
    const int n = p.NumCount;
    if (n < 2 || n > 6)
        return QStringLiteral("count %1 out of range").arg(n);

    // Pool and row together hold exactly the puzzle's numbers.
    std::vector<int> expected;
    std::vector<int> held;
    for (int i = 1; i <= n; ++i) {
        expected.push_back(p.Numbers[i]);
        if (!p.txtNumber[i].text.empty())
            held.push_back(fw::strictInt16(p.txtNumber[i].text).value_or(-1));
        if (p.GuessNums[i] > 0)
            held.push_back(p.GuessNums[i]);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(held.begin(), held.end());
    if (expected != held)
        return QStringLiteral("pool and row do not hold the puzzle's numbers");

    // Every row cell shows exactly its number, or nothing.
    for (int i = 1; i <= 6; ++i) {
        const std::string shown = p.GuessNums[i] > 0 ? fw::decimalText(p.GuessNums[i]) : std::string();
        if (p.txtGuess[i].text != shown)
            return QStringLiteral("row cell %1 shows '%2'").arg(i).arg(QString::fromStdString(p.txtGuess[i].text));
        if (i > n && p.GuessNums[i] != 0)
            return QStringLiteral("hidden row cell %1 holds a number").arg(i);
    }

    // The running total is the row's value, strictly left to right.
    long long total = p.GuessNums[1];
    for (int i = 2; i <= n; ++i) {
        if (p.GuessNums[i] < 1)
            continue;
        const std::string &op = p.txtGuessOp[i - 1].text;
        if (op == "--")
            total -= p.GuessNums[i];
        else if (op == "X")
            total *= p.GuessNums[i];
        else if (op == " /")
            total /= p.GuessNums[i];
        else
            total += p.GuessNums[i];
    }
    if (p.txtCurrentTotal.text != fw::decimalText(total))
        return QStringLiteral("total shows %1, the row makes %2")
            .arg(QString::fromStdString(p.txtCurrentTotal.text))
            .arg(total);

    // The hidden solution uses the puzzle's numbers and makes the target.
    std::vector<int> answer;
    long value = p.AnswerNums[1];
    for (int k = 1; k <= n; ++k)
        answer.push_back(p.AnswerNums[k]);
    for (int k = 2; k <= n; ++k) {
        switch (p.AnswerOps[k - 1]) {
        case 1: value += p.AnswerNums[k]; break;
        case 2: value -= p.AnswerNums[k]; break;
        case 3: value *= p.AnswerNums[k]; break;
        case 4: value /= p.AnswerNums[k]; break;
        default: return QStringLiteral("operator code %1").arg(p.AnswerOps[k - 1]);
        }
    }
    std::sort(answer.begin(), answer.end());
    if (answer != expected)
        return QStringLiteral("the solution does not use the puzzle's numbers");
    if (value != p.Target || p.Target < 1 || p.txtNumber[0].text != fw::decimalText(p.Target))
        return QStringLiteral("the solution makes %1, the target is %2").arg(value).arg(p.Target);

    // Exactly the cells in play are visible.
    for (int i = 1; i <= 6; ++i) {
        if (p.txtNumber[i].visible != (i <= n) || p.txtGuess[i].visible != (i <= n))
            return QStringLiteral("visibility of pool or row cell %1").arg(i);
        if (i <= 5 && p.txtGuessOp[i].visible != (i < n))
            return QStringLiteral("visibility of operator cell %1").arg(i);
    }
    if (p.AnswersShown) {
        for (int k = 1; k <= n; ++k)
            if (!p.txtAnswer[k].visible)
                return QStringLiteral("solution shown but cell %1 hidden").arg(k);
    }
    if (p.lblDone.visible && p.Timer1.enabled)
        return QStringLiteral("solved but the clock runs");
    if (p.lblHint3.visible && p.lblHint3.text != fw::decimalText(p.HintsUsed))
        return QStringLiteral("hint count shows %1").arg(QString::fromStdString(p.lblHint3.text));
    return {};
}
