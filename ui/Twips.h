#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>

class QLabel;
class QPushButton;
class QWidget;

// The windows are laid out in twips (1440 to the inch), 15 to a
// device-independent pixel; Qt scales pixels on high-dpi screens.
namespace fw::ui {

inline constexpr int kTwipsPerPixel = 15;

int px(int twips);
int twipsFromPx(int pixels);
QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);

// Colours are kept as 24-bit RGB numbers with red in the lowest byte, the
// way the game compares them (pure red is 255).
QColor colorFromNumber(std::int32_t number);
std::int32_t numberFromColor(const QColor &color);

// The game's one sans-serif face at a size in points (96 dpi: 4 px to 3 pt).
QFont gameFont(double points, bool bold = false, bool italic = false);
// The face at the platform's default dialog size, 8 points.
QFont defaultFont();

// Sets a widget's background (the colour drag and drop reads back through
// palette().color(backgroundRole())) and its text colour.
void setBackground(QWidget *widget, const QColor &color);
void setTextColor(QWidget *widget, const QColor &color);

// A label at a rectangle in twips, with a transparent background.
QLabel *addLabel(QWidget *parent, const QString &name, const QRect &rect, const QString &text,
                 const QFont &font, const QColor &textColor = QColor());

// A picture stretched, without keeping its aspect ratio, to fill rect, with
// the name a screen reader speaks for it. A resource that cannot be read
// leaves the rectangle empty; an empty resource leaves it for the caller.
QLabel *addPicture(QWidget *parent, const QString &name, const QRect &rect, const QString &resource,
                   const QString &spokenName);

// Narrows the label's face just enough that its text fits its width, for
// faces wider than the one the window was designed with; a text that fits
// keeps the face as it is.
void fitTextToWidth(QLabel *label);

} // namespace fw::ui
