#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Where a window opens, and where it goes.
namespace fw::ui {

// Moves a window (not yet shown) so that its client area sits in the middle
// of its screen.
void centreOnScreen(QWidget *window);

// Centres a top-level window on another widget's window.
void centreOn(QWidget *window, const QWidget *owner);

// Where a window of the given size stored at `stored` opens: there whenever
// it would show on a screen attached now; one left behind on a screen since
// removed moves to the middle of the primary screen, out of no one's reach.
QPoint visiblePosition(QPoint stored, QSize size);

// Closes and deletes every top-level window but `kept`, shown or hidden.
void closeEveryWindowBut(const QWidget *kept);

} // namespace fw::ui
