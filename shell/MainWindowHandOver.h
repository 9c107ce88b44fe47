#pragma once

#include <QWidget>

#include <functional>

namespace fw {

// Creates the main window and loads it, without showing it.
using MainWindowFactory = std::function<QWidget *()>;

namespace shell {

// The way from a start-up window into the game: from(leaving) creates and
// loads the main window while `leaving` is still on screen, closes `leaving`
// for good, then shows the main window. Only the first call does this, so a
// click or a tick that arrives while the main window loads opens no second.
class MainWindowHandOver {
public:
    explicit MainWindowHandOver(MainWindowFactory createMain);
    void from(QWidget *leaving);

private:
    MainWindowFactory m_createMain;
    bool m_done = false;
};

} // namespace shell
} // namespace fw
