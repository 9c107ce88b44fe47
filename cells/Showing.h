#pragma once

#include "board/Shown.h"
#include "core/TimerState.h"

#include <QString>

class QTimer;
class QWidget;

// How a control of the board, or a timer, shows what the puzzle says of it.
namespace fw::cells {

// A control's text as the window shows it: digits and operators as written,
// the closing message in the player's language.
QString textFor(const ShownText &text);

// Shows one control as the puzzle says. Qt tells assistive technology of
// each change itself: a text box's new text, a label's, what appears.
void showOn(QWidget *widget, const Shown &shown);

// Starts, restarts or stops a real timer so it ticks as the puzzle says;
// `seenStarts` keeps the count of starts it has followed.
void syncTimer(QTimer &timer, const TimerState &state, unsigned &seenStarts);

} // namespace fw::cells
