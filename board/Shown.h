#pragma once

#include "board/Control.h"

#include <optional>
#include <string>

namespace fw {

class Puzzle;

// What one control shows of the puzzle. A text or a font size left empty
// stays as the control was laid out.
struct Shown {
    std::optional<std::string> text;
    bool visible = true;
    std::optional<double> points;

    bool operator==(const Shown &) const = default;
};

// What a control shows for a puzzle, worked out from its typed state alone;
// nothing for a control the puzzle never changes. The window shows exactly
// this after every event.
std::optional<Shown> shown(const Puzzle &puzzle, ControlId id);

} // namespace fw
