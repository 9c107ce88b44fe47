#pragma once

#include <QRect>
#include <QSize>

// The windows are laid out in twips (1440 to the inch), 15 to a
// device-independent pixel; Qt scales pixels on high-dpi screens.
namespace fw::ui {

inline constexpr int kTwipsPerPixel = 15;

int px(int twips);
int twipsFromPx(int pixels);
// Rounds the edges, not the sizes, so neighbouring controls stay flush.
QRect twipsRect(const QRect &twips);
QSize twipsSize(int width, int height);

} // namespace fw::ui
