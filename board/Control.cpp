#include "board/Control.h"

#include <array>
#include <string_view>

namespace fw {

std::string controlName(ControlId id)
{
    static constexpr std::array<std::string_view, 24> names {"txtNumber", "txtOp", "txtGuess",
        "txtGuessOp", "txtAnswer", "txtAnswerOp", "txtCurrentTotal", "txtTimer", "lblDone",
        "lblPeeked", "lblHint1", "lblHint2", "lblHint3", "Label1", "Label2", "cmdNums", "cmdNew",
        "cmdHint", "cmdAnswers", "cmdHoorayTest", "Frame2", "Image1", "Toolbar1", "sbStatusBar"};
    std::string name(names.at(static_cast<std::size_t>(id.kind)));
    return id.index >= 0 ? name + '(' + std::to_string(id.index) + ')' : name;
}

} // namespace fw
