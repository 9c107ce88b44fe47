#pragma once

#include "shell/HelpCallouts.h"

#include <QImage>
#include <QPointF>

// The help picture, drawn by the game's own code (shell/HelpCallouts) with
// its English callouts.
namespace art {

using fw::help::HelpAnchors;
using fw::help::kHelpHeight;
using fw::help::kHelpWidth;

inline QImage composeHelpPicture(const QImage &screenshot, const HelpAnchors &anchors)
{
    return fw::help::composeHelpPicture(screenshot, anchors,
        {"How many numbers do you want?",
            "Drag numbers and operators here until your guess matches the target box!",
            "Click here to see the answer", "Click here for a hint"});
}

// A drawn stand-in for the main window's screenshot, 634 x 467, laid out
// like the real window, to try the help picture before the game runs.
QImage drawStandInScreenshot(const QImage &background);

} // namespace art
