#pragma once

// Everything a screen reader is told or reads of the game lives in this
// folder:
//   WhatChanged  what a move or a hint changed on the board, in the order it is said
//   Words        the words for it, and for each control of the board
//   Announcer    says a line no focused control says
//   CellReading  how a board cell reads: a locked text box, held or not
//   WindowReading  every window but the main one read out whole as it opens
namespace fw::screenreader {

// Installs how a screen reader reads the game: the announcers'
// notifications, the windows read whole and the board's cells. Once, as the
// program starts, before any window is built: a window or a cell that Qt had
// already looked up would read as a plain widget.
void install();

} // namespace fw::screenreader
