#pragma once

#include "board/Control.h"

#include <cstdint>
#include <vector>

namespace fw {
class Puzzle;
}

namespace fw::screenreader {

// What a player who cannot see the board is told after an event, in the
// order it is said. Each change names what it is about; the window puts it
// into words from what the board then shows.
struct Change {
    enum class Kind : std::uint8_t {
        RowCell,        // `cell` of the row changed
        NoChange,       // a move that changed nothing
        Total,          // the running total
        Revealed,       // `cell` of the solution appeared
        HintsUsed,      // the hint count
        Solution,       // the whole solution appeared
        SolutionHidden, // every solution cell went away
        Closing,        // the closing message appeared
        Peeked,         // "You peeked!" appeared
    };
    Kind kind;
    ControlId cell {};

    bool operator==(const Change &) const = default;
};

// After a move on the row (a drop, a press, Space or Enter on a row cell):
// each row cell that changed, or that nothing did, the total, and a closing
// message that appeared.
std::vector<Change> afterMove(const Puzzle &before, const Puzzle &after);

// After "Hint", "Answer" or the end of a hint's two seconds: the hint count
// when it changed, the solution's numbers and then operators that appeared
// (all of it at once as the solution) or that it went, and "You peeked!"
// when it appeared.
std::vector<Change> afterReveal(const Puzzle &before, const Puzzle &after);

} // namespace fw::screenreader
