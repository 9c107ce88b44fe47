#pragma once

namespace fw::ui {

// Installs how a screen reader reads the game's windows: the notifications
// an announcer tells, and the small windows read out whole. Once, as the
// program starts, before any window is built; the board's cells add theirs
// (cells::installScreenReaderSupport).
void installScreenReaderSupport();

} // namespace fw::ui
