#pragma once

namespace fw::screenreader {

// What a screen reader learns of a board cell: its spoken name, its text as
// a locked text box gives it (and as its value), and for a cell that can be
// picked up whether it is held (install does this).
void installCellReading();

} // namespace fw::screenreader
