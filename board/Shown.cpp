#include "board/Shown.h"

#include "core/Puzzle.h"
#include "numbers/NumberText.h"

#include <utility>

namespace fw {

namespace {

// A row or solution number, or nothing for an empty cell.
std::string numberText(std::int16_t number)
{
    return number > 0 ? decimalText(number) : std::string();
}

Shown showing(ShownText text, bool visible = true)
{
    Shown shown;
    shown.text = std::move(text);
    shown.visible = visible;
    return shown;
}

Shown visibleIf(bool visible)
{
    Shown shown;
    shown.visible = visible;
    return shown;
}

} // namespace

std::optional<Shown> shown(const Puzzle &p, ControlId id)
{
    const int n = id.index;
    const bool inPlay = n >= 1 && n <= p.NumCount;
    switch (id.kind) {
    case Control::txtNumber:
        if (n == 0)
            return showing(decimalText(p.Target));
        return showing(p.Pool[n] ? decimalText(*p.Pool[n]) : std::string(), inPlay);
    case Control::txtGuess: return showing(numberText(p.GuessNums[n]), inPlay);
    case Control::txtGuessOp:
        return showing(std::string(rowText(p.GuessOps[n])), n >= 1 && n < p.NumCount);
    case Control::txtAnswer: return showing(numberText(p.AnswerNums[n]), p.AnswerShownAt[n]);
    case Control::txtAnswerOp:
        return showing(std::string(answerText(p.AnswerOps[n])), p.AnswerOpShownAt[n]);
    case Control::txtCurrentTotal: return showing(decimalText(p.Total));
    case Control::txtTimer:
        return showing(p.ClockShown ? decimalText(*p.ClockShown) : std::string("00"));
    case Control::lblDone: return showing(p.ClosingMessage, p.Done);
    case Control::lblPeeked: return visibleIf(p.Peeked);
    case Control::lblHint1:
    case Control::lblHint2: return visibleIf(p.HintCountShown);
    case Control::lblHint3: return showing(decimalText(p.HintsUsed), p.HintCountShown);
    case Control::cmdNums: {
        Shown button;
        button.points = n == p.NumCount ? 14.0 : 10.0;
        return button;
    }
    default: return std::nullopt;
    }
}

} // namespace fw
