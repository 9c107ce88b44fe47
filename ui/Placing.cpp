#include "ui/Placing.h"

#include <QApplication>
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

QPoint visiblePosition(QPoint stored, QSize size)
{
    const QRect wanted(stored, size);
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(wanted);
        if (visible.width() >= 64 && visible.height() >= 32)
            return stored;
    }
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return stored;
    return primary->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2);
}

void closeEveryWindowBut(const QWidget *kept)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != kept && window->isWindow()) {
            window->close();
            window->deleteLater();
        }
    }
}

} // namespace fw::ui
