#pragma once

#include <QWidget>

#include <functional>

namespace fw {

// Creates the main window and loads it, without showing it.
using MainWindowFactory = std::function<QWidget *()>;

namespace shell {

// The way from a start-up window into the game: create and load the main
// window while `leaving` is still on screen, close `leaving` for good, then
// show the main window. Returns the main window.
QWidget *handOverToMainWindow(QWidget *leaving, const MainWindowFactory &createMain);

} // namespace shell
} // namespace fw
