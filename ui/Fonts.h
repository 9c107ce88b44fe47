#pragma once

#include <QFont>

class QLabel;

namespace fw::ui {

// The game's one sans-serif face at a size in points (96 dpi: 4 px to 3 pt).
QFont gameFont(double points, bool bold = false, bool italic = false);
// The face at the platform's default dialog size, 8 points.
QFont defaultFont();

// The face narrowed just enough that the text fits `room` pixels, for faces
// wider than the one the window was designed with; a text that fits keeps
// the face as it is.
QFont narrowedToFit(QFont font, const QString &text, int room);
// Narrows the label's face just enough that its text fits its width, for
// faces wider than the one the window was designed with; a text that fits
// keeps the face as it is.
void fitTextToWidth(QLabel *label);
// Fits the label as above whenever it appears. Measuring a text loads its
// face, so a label the player does not see yet costs nothing at start.
void fitTextToWidthWhenShown(QLabel *label);

// Makes a label exactly as large as its text. A right-aligned label keeps its
// right edge, any other label its left edge; the top edge stays put.
void fitToText(QLabel *label);

} // namespace fw::ui
