#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace fw::ui {

// A picture from the resources scaled to `size` (device-independent pixels)
// at the given device pixel ratio, smoothly, as a label stretching it would
// show it. Pictures that start-up shows are scaled once at build time (see
// ui/pictures/CMakeLists.txt) and used as they are when the size matches;
// any other picture or size is decoded and scaled here. A missing picture
// gives a null pixmap.
QPixmap scaledPicture(const QString &resource, QSize size, qreal ratio);
// The same for a picture drawn by the program.
QPixmap scaledPicture(QImage image, QSize size, qreal ratio);

// The game's window icon (icon.ico, 32 x 32), from the pixels built into the
// program: set once on the application, every window shows it.
QIcon windowIcon();

// The resource holding `resource` already scaled to `deviceSize`.
QString prescaledResource(const QString &resource, QSize deviceSize);

} // namespace fw::ui
