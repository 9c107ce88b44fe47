#pragma once

class QString;
class QWidget;

namespace fw::ui {

// How every window of the game but the main one begins: whatever was asked
// of every such window (the screen reader asks to read each one whole), then
// its name, its title and the game's face.
void setUpWindow(QWidget &window, const QString &name, const QString &title);

// Asks for `more` to be done to every window as it is set up, before its
// name or title reach assistive technology. Once, as the program starts,
// before any window is built.
void setUpEveryWindowWith(void (*more)(QWidget &window));

} // namespace fw::ui
