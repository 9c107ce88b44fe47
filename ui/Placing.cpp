#include "ui/Placing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace fw::ui {

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is not known before the window is first shown, so it is the
    // client area that goes to the middle.
    QRect placed(QPoint(), window->size());
    placed.moveCenter(screen->availableGeometry().center());
    window->setGeometry(placed);
}

void centreOn(QWidget *window, const QWidget *owner)
{
    QRect frame(QPoint(), window->size());
    frame.moveCenter(owner->window()->geometry().center());
    window->move(frame.topLeft());
}

} // namespace fw::ui
