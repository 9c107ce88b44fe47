#pragma once

// What a screen reader learns of a board cell: its spoken name, its text as
// a locked text box gives it (and as its value), and for a cell that can be
// picked up whether it is held.
namespace fw::cells {

// Installs everything a screen reader reads of the game: the windows'
// notifications and small windows read whole (ui::installScreenReaderSupport),
// and the board's cells. Once, as the program starts, before any window is
// built: a cell whose accessibility Qt had already looked up would read as a
// plain line edit.
void installScreenReaderSupport();

} // namespace fw::cells
