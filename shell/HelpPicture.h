#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace fw {

// The help window's picture in the game's language. The picture shipped is
// English; when the game speaks another language, the same picture is drawn
// again from the screenshot it was made of, with the pictured window's
// captions and the four callouts in that language. Null while the game
// speaks English, for the shipped picture stands as it is.
QImage translatedHelpPicture();

// The screenshot of the main window that the help picture shows, with its
// captions written anew in the game's language.
QImage helpScreenshot();

// How a caption's old text is wiped before the new one is written: with the
// colour each row of the shot has at a column clear of the text (a flat or
// top-to-bottom shaded face), or with the main window's background picture.
enum class Wipe { RowColour, Background };

// A caption of the pictured main window in the game's language: where it
// stands in the screenshot (pixels), how it is wiped, its face, colour and
// alignment.
struct PicturedCaption {
    QString text;
    QRect box;
    Wipe wipe;
    int clearColumn; // for Wipe::RowColour: a column of the shot clear of text
    QFont font;
    QColor ink;
    Qt::Alignment align;
};

// The pictured window's captions: its buttons, labels, frame, status line and
// menu titles, in the game's language.
std::vector<PicturedCaption> picturedCaptions();

} // namespace fw
