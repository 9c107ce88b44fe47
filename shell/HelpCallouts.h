#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>

// The help picture: a screenshot of the main window during a game, placed on
// a larger canvas with four speech-bubble callouts pointing at its controls.
// The art tool draws the English picture the game ships with this code; the
// game draws it again in the player's language.
namespace fw::help {

inline constexpr int kHelpWidth = 814;
inline constexpr int kHelpHeight = 676;

// Where each callout points, in the screenshot's own pixels. The defaults fit
// the screenshot of the main window the game ships (ui/pictures/help-shot.png).
struct HelpAnchors {
    QPointF countButtons {88, 31};
    QPointF playerRow {330, 268};
    QPointF answer {20, 347};
    QPointF hint {20, 379};
};

// What the four callouts say.
struct CalloutTexts {
    QString countButtons;
    QString playerRow;
    QString answer;
    QString hint;
};

// The callouts' bubbles on the canvas, in the order of CalloutTexts, each
// sized to its text.
std::array<QRectF, 4> calloutBubbles(
    QSize screenshot, const HelpAnchors &anchors, const CalloutTexts &texts);

// The room a bubble leaves its text on one line.
double calloutTextWidth(const QRectF &bubble);

// The face the callouts are written in.
QFont calloutFont();

QImage composeHelpPicture(
    const QImage &screenshot, const HelpAnchors &anchors, const CalloutTexts &texts);

} // namespace fw::help
