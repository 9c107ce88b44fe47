#pragma once

#include "board/Control.h"
#include "ui/ControlTable.h"

#include <QString>

#include <span>
#include <utility>
#include <vector>

class QWidget;

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

// The main window's controls built into its client area from the table,
// front to back, each with its name, its spoken name and its place in the
// tab order; the keyboard walks only those that take part.
std::vector<std::pair<ControlId, QWidget *>> buildMainControls(QWidget *client);

// Which controls the keyboard walks: the buttons, the pool, the palette and
// the row. The target, the clock, the total and the solution only show.
bool takesPart(ControlId id);

} // namespace fw
