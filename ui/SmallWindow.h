#pragma once

class QString;
class QWidget;

namespace fw::ui {

// How every small window of the game begins: it takes its name, its title
// and the game's face, and it is read out whole when it opens. A screen
// reader is told it is an alert, and reads every text it shows, in reading
// order, after its title; a window that shows only pictures is read by what
// its pictures are said to show.
void setUpSmallWindow(QWidget &window, const QString &name, const QString &title);

// Makes every small window read out whole (installScreenReaderSupport does,
// as the program starts).
void installSmallWindowAccessibility();

} // namespace fw::ui
