#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <Qt>

#include <initializer_list>

class QFont;
class QGroupBox;
class QLabel;
class QWidget;

// Small layout helpers shared by the start-up windows, the About box and the
// help window. Rectangles are in pixels (see ui/Twips.h for the twips).
namespace fw::shell {

// A plain-text label with a transparent background whose text starts at the
// top of its rectangle, on the left or, with Qt::AlignRight, on the right.
QLabel *addTextLabel(QWidget *parent, const QString &name, const QRect &rect, const QString &text,
                     const QFont &font, const QColor &textColor = QColor(),
                     Qt::Alignment horizontal = Qt::AlignLeft);

// A captionless frame drawn around a group of controls.
QGroupBox *addFrame(QWidget *parent, const QString &name, const QRect &rect);

// Makes a label exactly as large as its text. A right-aligned label keeps its
// right edge, any other label its left edge; the top edge stays put.
void fitToText(QLabel *label);

// Narrows the face of each label whose text would not fit its rectangle
// (see ui::fitTextToWidth), so no text is cut off at a label's edge.
void fitTextsToWidths(std::initializer_list<QLabel *> labels);

// Stacks widgets so that each one covers those listed after it.
void stackFrontToBack(std::initializer_list<QWidget *> frontToBack);

// Moves a window (not yet shown) so that its client area sits in the middle
// of its screen.
void centreOnScreen(QWidget *window);

} // namespace fw::shell
