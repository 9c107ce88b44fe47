#pragma once

#include "shell/FrmAbout.h"
#include "shell/FrmNewUser.h"
#include "shell/FrmSplash.h"
#include "shell/MainWindowHandOver.h"

#include <cstdint>

namespace fw {

// Starts the game. A player with fewer than 15 counted launches is greeted by
// the tutorial, anyone else by the splash; either window is shown at once,
// not modally, and later opens the main window through createMain.
// Returns the window it showed.
QWidget *Main(std::int16_t launchCount, MainWindowFactory createMain);

} // namespace fw
