#include "shell/MainWindowFactory.h"

namespace fw::shell {

QWidget *handOverToMainWindow(QWidget *leaving, const MainWindowFactory &createMain)
{
    QWidget *mainWindow = createMain ? createMain() : nullptr;
    // For a moment no window is on screen; that moment must not end the
    // program, so this closing does not count as the last window closing.
    if (mainWindow)
        leaving->setAttribute(Qt::WA_QuitOnClose, false);
    leaving->close();
    if (mainWindow)
        mainWindow->show();
    return mainWindow;
}

} // namespace fw::shell
