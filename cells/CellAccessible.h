#pragma once

// What a screen reader learns of a board cell: its spoken name, its text as
// a locked text box gives it (and as its value), and for a cell that can be
// picked up whether it is held.
namespace fw::cells {

// Installs the cells' accessibility; once, before any cell is built.
void installCellAccessibility();

} // namespace fw::cells
