#include "records/RecordWindow.h"

#include "ui/WindowSetUp.h"

#include <QDialog>

namespace fw {

void setUpRecordWindow(QDialog &window, const QString &name, const QString &title, QSize clientSize)
{
    ui::setUpWindow(window, name, title);
    window.setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    window.setWindowModality(Qt::ApplicationModal);
    window.resize(clientSize);
}

void runModal(QDialog *window)
{
    // exec() deletes a window marked so once its loop has ended, and copes
    // with the window being destroyed from outside (the main window closing).
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->exec();
}

} // namespace fw
