#pragma once

#include "board/Control.h"
#include "ui/ControlTable.h"

#include <QString>

#include <span>

namespace fw {

// A control of the main window: which control of the board it is, and how
// it is laid out.
struct MainControl {
    ControlId id;
    ui::ControlSpec look;
};

// The main window's controls, front to back, with their places in twips,
// first texts, colours, faces and tab order.
std::span<const MainControl> mainControls();

// What a screen reader says for a control of the board: "Target",
// "Number 2 of the pool", "3 numbers"...; empty where its text says it.
QString spokenName(ControlId id);

// Which controls the keyboard walks: the buttons, the pool, the palette and
// the row. The target, the clock, the total and the solution only show.
bool takesPart(ControlId id);

} // namespace fw
