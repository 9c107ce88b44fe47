#pragma once

#include <QImage>
#include <QPointF>

// The help picture: a screenshot of the main window during a game, placed on
// a larger canvas with four speech-bubble callouts pointing at its controls.
namespace art {

inline constexpr int kHelpWidth = 814;
inline constexpr int kHelpHeight = 676;

// Where each callout points, in the screenshot's own pixels. The defaults fit
// a 634 x 467 shot of the main window.
struct HelpAnchors {
    QPointF countButtons {40, 35};
    QPointF playerRow {300, 245};
    QPointF answer {50, 335};
    QPointF hint {50, 367};
};

QImage composeHelpPicture(const QImage &screenshot, const HelpAnchors &anchors);

// A drawn stand-in for the main window's screenshot, 634 x 467, laid out
// like the real window, to try the help picture before the game runs.
QImage drawStandInScreenshot(const QImage &background);

} // namespace art
