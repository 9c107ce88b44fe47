#pragma once

#include <QColor>

class QPalette;
class QWidget;

// The colours the windows are painted in, and how a widget gets them.
//
// The windows were drawn against a light desktop: black text on white
// boxes, on a light grey face. A desktop's colour scheme (a dark or a
// high-contrast one) reaches every widget through the application's
// palette; where the design fixes a colour, the widget is drawn wholly in
// the designed palette instead, so a fixed colour never meets one of the
// scheme's.
namespace fw::ui {

inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kLightYellow(255, 255, 128);
inline const QColor kDarkBlue(0, 0, 192);
inline const QColor kYellow(255, 255, 0);
inline const QColor kGreen(0, 255, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kLightGrey(192, 192, 192);
inline const QColor kGrey(128, 128, 128);
inline const QColor kDarkGrey(64, 64, 64);
inline const QColor kDarkGreen(0, 128, 0);
inline const QColor kNavy(0, 0, 128);
inline const QColor kDarkRed(192, 0, 0);
inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
// The inactive-border colour of the classic desktop scheme.
inline const QColor kInactiveBorder(212, 208, 200);

// The light palette the windows were drawn against: Qt's own, the one a
// desktop without a colour scheme of its own shows.
const QPalette &designedPalette();

// Draws the widget, and the children that have no colours of their own, in
// the designed palette, whatever the desktop's scheme; a widget that has
// colours of its own already keeps them.
void useDesignedPalette(QWidget *widget);

// Fills the widget's background (and a button's face) with a colour, or
// gives its text a colour; the colours the design leaves unnamed are then
// the designed palette's, the ones the design was drawn against.
void setBackground(QWidget *widget, const QColor &color);
void setTextColor(QWidget *widget, const QColor &color);

} // namespace fw::ui
