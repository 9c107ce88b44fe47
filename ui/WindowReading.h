#pragma once

class QWidget;

namespace fw::ui {

// A small window of the game is read out whole when it opens: a screen
// reader is told it is an alert, and reads every text it shows, in
// reading order, after its title. A window that shows only pictures is read
// by what its pictures are said to show.
void readWholeOnOpen(QWidget *window);

} // namespace fw::ui
