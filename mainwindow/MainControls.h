#pragma once

#include "ui/ControlTable.h"

#include <QString>

#include <span>

namespace fw {

// The main window's controls, front to back, with their places in twips,
// first texts, colours, faces and tab order.
std::span<const ui::ControlSpec> mainControls();

// What a screen reader says for a control of the board: "Target",
// "Number 2 of the pool", "3 numbers"...; empty where its text says it.
QString spokenName(ControlId id);

} // namespace fw
