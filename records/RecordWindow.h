#pragma once

#include <QSize>
#include <QString>

class QDialog;

// What the celebration, new-record and best-time windows share.
namespace fw {

// Names the window, sets its title and client size (in pixels) and gives it
// a resizable frame with minimize and maximize buttons, modal to the whole
// application and without an owner; the window's font is the game's default.
void setUpRecordWindow(
    QDialog &window, const QString &name, const QString &title, QSize clientSize);

// Shows the window modally and returns when the player has closed it; the
// window is destroyed then, so the next opening starts from its layout.
void runModal(QDialog *window);

} // namespace fw
