#pragma once

#include "board/Control.h"
#include "core/Puzzle.h"

#include <optional>
#include <string>
#include <variant>

namespace fw {

// A control's text: digits or an operator, shown as written, or the closing
// message, which the window puts in the player's language.
using ShownText = std::variant<std::string, Closing>;

// What one control shows of the puzzle. A text or a font size left empty
// stays as the control was laid out.
struct Shown {
    std::optional<ShownText> text;
    bool visible = true;
    std::optional<double> points;

    bool operator==(const Shown &) const = default;
};

// What a control shows for a puzzle, worked out from its typed state alone;
// nothing for a control the puzzle never changes. The window shows exactly
// this after every event.
std::optional<Shown> shown(const Puzzle &puzzle, ControlId id);

} // namespace fw
