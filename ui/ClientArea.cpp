#include "ui/ClientArea.h"

namespace fw::ui {

void ClientArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (toolbar)
        toolbar->setGeometry(0, 0, width(), toolbar->height());
    if (statusBar)
        statusBar->setGeometry(0, height() - statusBar->height(), width(), statusBar->height());
}

} // namespace fw::ui
