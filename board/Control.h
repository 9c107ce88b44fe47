#pragma once

#include <cstdint>
#include <string>

namespace fw {

// Every control of the main window, named as the game names it. A control
// array's element is told by its index.
enum class Control : std::uint8_t {
    txtNumber,  // 0: the target, 1..6: the pool
    txtOp,      // the operator palette: 0, 1, 3, 4
    txtGuess,   // 1..6: the player's row
    txtGuessOp, // 1..5: between txtGuess(j) and txtGuess(j+1)
    txtAnswer,  // 1..6: the solution
    txtAnswerOp,
    txtCurrentTotal,
    txtTimer,
    lblDone,
    lblPeeked,
    lblHint1,
    lblHint2,
    lblHint3,
    Label1,
    Label2,
    cmdNums, // 2..6
    cmdNew,
    cmdHint,
    cmdAnswers,
    cmdHoorayTest,
    Frame2,
    Image1,
    Toolbar1,
    sbStatusBar,
};

// A control's identity, fixed when it is built: its kind and, for an
// element of a control array, its index (-1 otherwise).
struct ControlId {
    Control kind = Control::txtNumber;
    int index = -1;

    bool operator==(const ControlId &) const = default;
};

// The control's name: "txtGuess(3)" for an array element, "cmdNew" else.
std::string controlName(ControlId id);

} // namespace fw
