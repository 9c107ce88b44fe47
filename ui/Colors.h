#pragma once

#include <QColor>

class QWidget;

// The colours the windows are painted in, and how a widget gets them.
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

// Fills the widget's background (and a button's face) with a colour.
void setBackground(QWidget *widget, const QColor &color);
void setTextColor(QWidget *widget, const QColor &color);

} // namespace fw::ui
