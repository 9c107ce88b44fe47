#pragma once

class QWidget;

// Where a window opens.
namespace fw::ui {

// Moves a window (not yet shown) so that its client area sits in the middle
// of its screen.
void centreOnScreen(QWidget *window);

// Centres a top-level window on another widget's window.
void centreOn(QWidget *window, const QWidget *owner);

} // namespace fw::ui
