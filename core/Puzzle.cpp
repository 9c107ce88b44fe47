#include "core/Puzzle.h"

#include "core/NumberText.h"
#include "core/Operators.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace fw {

namespace {

// Totals in the row are whole numbers written as plain decimal text, so
// they read back exactly.
long long totalFromText(const std::string &text)
{
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// One step of the hidden solution, or nothing when it leaves 16 bits.
std::optional<std::int16_t> applyAnswerOp(std::int16_t code, std::int16_t total, std::int16_t next)
{
    long result = total;
    switch (code) {
    case OpSubtract: result = long{total} - next; break;
    case OpMultiply: result = long{next} * total; break;
    case OpDivide: result = long{total} / next; break; // truncates toward zero
    default: result = long{next} + total; break;
    }
    if (result > std::numeric_limits<std::int16_t>::max()
        || result < std::numeric_limits<std::int16_t>::min())
        return std::nullopt;
    return static_cast<std::int16_t>(result);
}

} // namespace

Puzzle::Puzzle(Die &die)
    : m_die(die)
{
    // The window's texts as laid out; the first puzzle replaces them.
    txtNumber = {Cell{"  67"}, Cell{"5"}, Cell{"3"}, Cell{"3"}, Cell{"4"}, Cell{"1"}, Cell{"2"}};
    for (std::size_t k = 0; k < txtOp.size(); ++k)
        txtOp[k] = Cell{std::string(kPaletteText[k]), k != 2};
    txtGuess.fill(Cell{});
    txtGuess[0].visible = false;
    txtGuessOp.fill(Cell{});
    txtGuessOp[0].visible = false;
    txtAnswer = {Cell{"", false}, Cell{"3"}, Cell{"1"}, Cell{"2"}, Cell{"4"}, Cell{"3"}, Cell{"5"}};
    txtAnswerOp = {Cell{"", false}, Cell{"+"}, Cell{"Text1"}, Cell{"Text1"}, Cell{"Text1"}, Cell{"Text1"}};
    txtCurrentTotal = Cell{""};
    txtTimer = Cell{"00"};
    lblDone = Cell{"!Way to go!", false};
    lblPeeked = Cell{"You peeked!"};
    lblHint1 = Cell{"You've used"};
    lblHint2 = Cell{"hints"};
    lblHint3 = Cell{"1"};
    cmdNumsFontSize.fill(13.8);
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
            txtAnswer[k].text = decimalText(Numbers[j]);
            if (j < NumCount) {
                const std::int16_t d = RollDie();
                AnswerOps[j] = static_cast<std::int16_t>(std::nearbyint(d * 0.66));
                txtAnswerOp[j].text = std::string(kAnswerOpText[AnswerOps[j]]);
            }
        }
        // Evaluate strictly left to right. An arrangement whose value leaves
        // 16 bits (only six large numbers all multiplied can) is drawn again
        // like one whose value is below 1.
        std::optional<std::int16_t> total = AnswerNums[1];
        for (int j = 2; j <= NumCount && total; ++j)
            total = applyAnswerOp(AnswerOps[j - 1], *total, AnswerNums[j]);
        Target = total.value_or(0);
    }
    txtNumber[0].text = decimalText(Target);
}

void Puzzle::NewPuzzle()
{
    ElapsedSecs = 0;
    Timer1.enable();
    for (int n = 2; n <= 6; ++n)
        cmdNumsFontSize[n] = 10;
    cmdNumsFontSize[NumCount] = 14;
    for (int i = 1; i <= 6; ++i) {
        Numbers[i] = RollDie();
        txtNumber[i].text = decimalText(Numbers[i]);
        GuessNums[i] = 0;
        txtGuess[i].text.clear();
        const bool inUse = i <= NumCount;
        if (!inUse)
            Numbers[i] = 0;
        txtNumber[i].visible = inUse;
        txtGuess[i].visible = inUse;
        if (i > 1)
            txtGuessOp[i - 1].visible = inUse;
    }
    lblPeeked.visible = false;
    lblHint1.visible = false;
    lblHint2.visible = false;
    lblHint3.visible = false;
    HintsUsed = 0;
    lblDone.visible = false;
    EvaluateGuess();
    MakeAnswer();
}

void Puzzle::cmdNew_Click()
{
    NewPuzzle();
}

void Puzzle::cmdNums_Click(std::int16_t Index)
{
    NumCount = Index;
    if (AnswersShown) {
        AnswersShown = false;
        hideSolution();
    }
    NewPuzzle();
}

void Puzzle::Timer1_Timer()
{
    ++ElapsedSecs;
    if (ElapsedSecs > 10000)
        ElapsedSecs = 9999;
    txtTimer.text = decimalText(ElapsedSecs);
    Timer1.enable();
    Timer1.setInterval(1000);
}

void Puzzle::EvaluateGuess()
{
    txtCurrentTotal.text = decimalText(GuessNums[1]);
    for (int i = 2; i <= NumCount; ++i) {
        if (GuessNums[i] < 1)
            continue; // an empty cell and the operator in front of it are skipped
        const std::string &op = txtGuessOp[i - 1].text;
        const long long total = totalFromText(txtCurrentTotal.text);
        long long next = total + GuessNums[i];
        if (op == kRowSubtract)
            next = total - GuessNums[i];
        else if (op == kRowMultiply)
            next = total * GuessNums[i];
        else if (op == kRowDivide)
            next = total / GuessNums[i]; // truncates toward zero
        txtCurrentTotal.text = decimalText(next);
    }

    const bool solved = txtCurrentTotal.text == txtNumber[0].text
        && leadingNumber(txtGuess[NumCount].text) > 0
        && leadingNumber(txtGuess[1].text) > 0;
    if (!solved)
        return;
    Timer1.disable();
    lblDone.text = lblPeeked.visible ? "You're done!" : "!!!Way to go!!!";
    lblDone.visible = true;
    if (solveReward)
        solveReward();
}

void Puzzle::startFirstPuzzle()
{
    ElapsedSecs = 0;
    NumCount = 3;
    Timer1.enable();
    Timer1.setInterval(1000);
    NewPuzzle();
    AnswersShown = false;
    hideSolution();
    lblPeeked.visible = false;
    lblHint1.visible = false;
    lblHint2.visible = false;
    lblHint3.visible = false;
    HintsUsed = 0;
}

void Puzzle::hideSolution()
{
    for (int k = 1; k <= 6; ++k)
        txtAnswer[k].visible = false;
    for (int j = 1; j <= 5; ++j)
        txtAnswerOp[j].visible = false;
}

} // namespace fw
