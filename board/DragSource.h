#pragma once

#include <cstdint>

namespace fw {

class Puzzle;
struct Cell;

// A cell that can be dragged: a pool cell txtNumber(1..6) or a palette cell
// txtOp(0, 1, 3, 4).
struct CellRef {
    enum class Array { Number, Op };
    Array array = Array::Number;
    int index = 0;

    bool operator==(const CellRef &) const = default;
};

// What a drop tells about the dragged cell: which one it is, and its
// background colour as a 24-bit RGB number with red in the lowest byte.
// The colour alone says what kind of cell it is: 255 (pure red) is an
// operator, anything else a number.
struct DragSource {
    CellRef cell;
    std::int32_t backColor = 0;
};

inline constexpr std::int32_t kOperatorBackColor = 255;

// The model's cell behind a reference, or nullptr for an index that names
// no draggable cell.
Cell *sourceCell(Puzzle &puzzle, CellRef ref);

} // namespace fw
