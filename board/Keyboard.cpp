#include "board/Keyboard.h"

#include "board/Moves.h"
#include "core/Puzzle.h"

#include <array>
#include <vector>

namespace fw {

namespace {

// The palette as laid out: "+" and "X" above "--" and " /".
constexpr std::array<std::array<int, 2>, 2> kPaletteGrid {{{1, 4}, {0, 3}}};

std::optional<ControlId> inLine(const std::vector<ControlId> &line, ControlId from, int by)
{
    for (std::size_t n = 0; n < line.size(); ++n) {
        if (line[n] == from) {
            const auto next = static_cast<long>(n) + by;
            if (next < 0 || next >= static_cast<long>(line.size()))
                return std::nullopt;
            return line[static_cast<std::size_t>(next)];
        }
    }
    return std::nullopt;
}

std::optional<ControlId> onPalette(int index, Step step)
{
    for (std::size_t row = 0; row < 2; ++row) {
        for (std::size_t column = 0; column < 2; ++column) {
            if (kPaletteGrid[row][column] != index)
                continue;
            const bool across = step == Step::Left || step == Step::Right;
            const bool forward = step == Step::Right || step == Step::Down;
            const std::size_t r = across ? row : 1 - row;
            const std::size_t c = across ? 1 - column : column;
            if ((across ? column : row) == (forward ? 1u : 0u))
                return std::nullopt; // already at that edge
            return ControlId {Control::txtOp, kPaletteGrid[r][c]};
        }
    }
    return std::nullopt;
}

} // namespace

bool Hand::pickUp(const Puzzle &puzzle, ControlId cell)
{
    const bool number = cell.kind == Control::txtNumber && cell.index >= 1
        && cell.index <= puzzle.NumCount && puzzle.Pool[cell.index];
    const bool op = cell.kind == Control::txtOp && paletteOperator(cell.index) != Operator::None;
    if (!number && !op)
        return false;
    m_held = cell;
    return true;
}

bool activate(Puzzle &puzzle, Hand &hand, ControlId cell)
{
    if (cell.kind == Control::txtNumber || cell.kind == Control::txtOp) {
        hand.pickUp(puzzle, cell);
        return false;
    }
    if (const auto held = hand.held()) {
        hand.release();
        return drop(puzzle, cell, *held);
    }
    return press(puzzle, cell);
}

std::optional<ControlId> neighbour(const Puzzle &puzzle, ControlId from, Step step)
{
    if (from.kind == Control::txtOp)
        return onPalette(from.index, step);
    if (step == Step::Up || step == Step::Down)
        return std::nullopt;
    const int by = step == Step::Right ? 1 : -1;
    std::vector<ControlId> line;
    if (from.kind == Control::txtNumber) {
        for (int k = 1; k <= puzzle.NumCount; ++k)
            line.push_back({Control::txtNumber, k});
    } else if (from.kind == Control::txtGuess || from.kind == Control::txtGuessOp) {
        for (int i = 1; i <= puzzle.NumCount; ++i) {
            line.push_back({Control::txtGuess, i});
            if (i < puzzle.NumCount)
                line.push_back({Control::txtGuessOp, i});
        }
    }
    return inLine(line, from, by);
}

} // namespace fw
