#pragma once

#include "board/Shown.h"
#include "ui/ControlTable.h"

#include <QString>

#include <span>

namespace fw {

// The main window's controls, front to back, with their places in twips,
// first texts, colours, faces and tab order.
std::span<const ui::ControlSpec> mainControls();

// A control's text as the window shows it: digits and operators as written,
// the closing message in the player's language.
QString textFor(const ShownText &text);

// What a screen reader says for a control of the board: "Target",
// "Number 2 of the pool", "3 numbers"...; empty where its text says it.
QString spokenName(ControlId id);

// Which controls the keyboard walks: the buttons, the pool, the palette and
// the row. The target, the clock, the total and the solution only show.
bool takesPart(ControlId id);

} // namespace fw
