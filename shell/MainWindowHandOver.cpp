#include "shell/MainWindowHandOver.h"

#include <utility>

namespace fw::shell {

MainWindowHandOver::MainWindowHandOver(MainWindowFactory createMain)
    : m_createMain(std::move(createMain))
{
}

void MainWindowHandOver::from(QWidget *leaving)
{
    if (std::exchange(m_done, true))
        return;
    QWidget *mainWindow = m_createMain ? m_createMain() : nullptr;
    // For a moment no window is on screen; that moment must not end the
    // program, so this closing does not count as the last window closing.
    if (mainWindow)
        leaving->setAttribute(Qt::WA_QuitOnClose, false);
    leaving->close();
    if (mainWindow)
        mainWindow->show();
}

} // namespace fw::shell
