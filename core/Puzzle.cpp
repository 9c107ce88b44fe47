#include "core/Puzzle.h"

#include <cmath>
#include <limits>
#include <optional>

namespace fw {

namespace {

// One step of the hidden solution in 16 bits, or nothing when it leaves them.
std::optional<std::int16_t> applyAnswerOp(Operator op, std::int16_t total, std::int16_t next)
{
    const long long result = applyRowOperator(op, total, next);
    if (result > std::numeric_limits<std::int16_t>::max()
        || result < std::numeric_limits<std::int16_t>::min())
        return std::nullopt;
    return static_cast<std::int16_t>(result);
}

} // namespace

std::int16_t nextClockSecond(std::int16_t seconds)
{
    const int next = seconds + 1;
    return static_cast<std::int16_t>(next > 10000 ? 9999 : next);
}

bool rowSolves(long long total, std::int16_t target, std::int16_t first, std::int16_t last)
{
    return total == target && last > 0 && first > 0;
}

Puzzle::Puzzle(Die &die)
    : m_die(die)
{
}

std::int16_t Puzzle::RollDie()
{
    return m_die.RollDie();
}

void Puzzle::MakeAnswer()
{
    Target = 0;
    while (Target < 1) {
        for (int k = 1; k <= 6; ++k)
            AnswerNums[k] = 0;
        for (int j = 1; j <= NumCount; ++j) {
            std::int16_t k = RollDie();
            while (AnswerNums[k] != 0 || k > NumCount)
                k = RollDie();
            AnswerNums[k] = Numbers[j];
            if (j < NumCount)
                AnswerOps[j] = operatorFromCode(
                    static_cast<int>(std::nearbyint(RollDie() * kOperatorCodesPerFace)));
        }
        // Strictly left to right. An arrangement whose value leaves 16 bits
        // (only six large numbers all multiplied can) is drawn again like one
        // whose value is below 1.
        std::optional<std::int16_t> total = AnswerNums[1];
        for (int j = 2; j <= NumCount && total; ++j)
            total = applyAnswerOp(AnswerOps[j - 1], *total, AnswerNums[j]);
        Target = total.value_or(0);
    }
}

void Puzzle::NewPuzzle()
{
    ElapsedSecs = 0;
    Timer1.enable();
    for (int i = 1; i <= 6; ++i) {
        Numbers[i] = RollDie();
        Pool[i] = Numbers[i];
        GuessNums[i] = 0;
        if (i > NumCount)
            Numbers[i] = 0;
    }
    Peeked = false;
    HintCountShown = false;
    HintsUsed = 0;
    Done = false;
    EvaluateGuess();
    MakeAnswer();
}

bool Puzzle::EvaluateGuess()
{
    Total = GuessNums[1];
    for (int i = 2; i <= NumCount; ++i) {
        if (GuessNums[i] < 1)
            continue; // an empty cell and the operator in front of it are skipped
        Total = applyRowOperator(GuessOps[i - 1], Total, GuessNums[i]);
    }
    if (!rowSolves(Total, Target, GuessNums[1], GuessNums[NumCount]))
        return false;
    Timer1.disable();
    ClosingMessage = Peeked ? Closing::YoureDone : Closing::WayToGo;
    Done = true;
    return true;
}

void Puzzle::start()
{
    NumCount = 3;
    Timer1.enable();
    Timer1.setInterval(1000);
    NewPuzzle();
    AnswersShown = false;
    hideSolution();
}

void Puzzle::chooseCount(std::int16_t count)
{
    NumCount = count;
    if (AnswersShown) {
        AnswersShown = false;
        hideSolution();
    }
    NewPuzzle();
}

void Puzzle::tick()
{
    ElapsedSecs = nextClockSecond(ElapsedSecs);
    ClockShown = ElapsedSecs;
    Timer1.enable();
    Timer1.setInterval(1000);
}

void Puzzle::hideSolution()
{
    AnswerShownAt.fill(false);
    AnswerOpShownAt.fill(false);
}

} // namespace fw
