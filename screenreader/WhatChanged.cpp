#include "screenreader/WhatChanged.h"

#include "core/Puzzle.h"

#include <algorithm>

namespace fw::screenreader {

namespace {

using Kind = Change::Kind;

// Some cell of the solution is on view.
bool anyShown(const Puzzle &p)
{
    return std::ranges::count(p.AnswerShownAt, true) + std::ranges::count(p.AnswerOpShownAt, true)
        > 0;
}

// The whole solution of the puzzle in play is on view.
bool wholeSolution(const Puzzle &p)
{
    for (int n = 1; n <= p.NumCount; ++n)
        if (!p.AnswerShownAt[std::size_t(n)]
            || (n < p.NumCount && !p.AnswerOpShownAt[std::size_t(n)]))
            return false;
    return true;
}

} // namespace

std::vector<Change> afterMove(const Puzzle &before, const Puzzle &after)
{
    std::vector<Change> said;
    for (int n = 1; n <= 6; ++n) {
        const auto i = std::size_t(n);
        if (before.GuessNums[i] != after.GuessNums[i])
            said.push_back({Kind::RowCell, {Control::txtGuess, n}});
        if (n <= 5 && before.GuessOps[i] != after.GuessOps[i])
            said.push_back({Kind::RowCell, {Control::txtGuessOp, n}});
    }
    if (said.empty())
        said.push_back({Kind::NoChange});
    said.push_back({Kind::Total});
    if (after.Done && !before.Done)
        said.push_back({Kind::Closing});
    return said;
}

std::vector<Change> afterReveal(const Puzzle &before, const Puzzle &after)
{
    std::vector<Change> said;
    if (after.HintsUsed != before.HintsUsed)
        said.push_back({Kind::HintsUsed});
    if (!anyShown(after) && anyShown(before)) {
        said.push_back({Kind::SolutionHidden});
    } else if (wholeSolution(after) && !wholeSolution(before)) {
        said.push_back({Kind::Solution});
    } else {
        for (int n = 1; n <= 6; ++n)
            if (after.AnswerShownAt[std::size_t(n)] && !before.AnswerShownAt[std::size_t(n)])
                said.push_back({Kind::Revealed, {Control::txtAnswer, n}});
        for (int n = 1; n <= 5; ++n)
            if (after.AnswerOpShownAt[std::size_t(n)] && !before.AnswerOpShownAt[std::size_t(n)])
                said.push_back({Kind::Revealed, {Control::txtAnswerOp, n}});
    }
    if (after.Peeked && !before.Peeked)
        said.push_back({Kind::Peeked});
    return said;
}

} // namespace fw::screenreader
