#pragma once

#include "core/Cell.h"
#include "core/Die.h"

#include <array>
#include <cstdint>
#include <functional>

namespace fw {

// The main window's puzzle: its state and everything its cells show, kept
// apart from any widget so the rules can be run and checked on their own.
// Members carry the names the rest of the game uses for them; arrays are
// indexed from 0 with the entries named in the comments in use.
class Puzzle {
public:
    explicit Puzzle(Die &die);

    // --- Puzzle state ---
    std::int16_t NumCount = 0;
    std::array<std::int16_t, 8> Numbers{};    // 1..NumCount: the numbers; above: 0
    std::array<std::int16_t, 8> AnswerNums{}; // 1..NumCount: the hidden arrangement
    std::array<std::int16_t, 7> AnswerOps{};  // 1..NumCount-1: operator codes
    std::int16_t Target = 0;
    std::array<std::int16_t, 8> GuessNums{};  // 1..6: the player's row, 0 = empty
    std::int16_t ElapsedSecs = 0;
    bool AnswersShown = false;
    std::int16_t HintsUsed = 0;

    // --- What the cells show ---
    std::array<Cell, 7> txtNumber;   // 0: the target, 1..6: the pool
    std::array<Cell, 5> txtOp;       // the palette: 0, 1, 3, 4 (no 2)
    std::array<Cell, 7> txtGuess;    // 1..6
    std::array<Cell, 6> txtGuessOp;  // 1..5, between txtGuess(j) and (j+1)
    std::array<Cell, 7> txtAnswer;   // 1..6
    std::array<Cell, 6> txtAnswerOp; // 1..5
    Cell txtCurrentTotal;
    Cell txtTimer;
    Cell lblDone;
    Cell lblPeeked;
    Cell lblHint1;
    Cell lblHint2;
    Cell lblHint3;
    TimerState Timer1;
    TimerState Timer2;
    std::array<double, 7> cmdNumsFontSize{}; // points, buttons 2..6

    // Runs at the end of every solve, after the clock has stopped and the
    // closing message is showing: the celebration and the records.
    std::function<void()> solveReward;

    // --- Generation, lifecycle and evaluation ---
    std::int16_t RollDie();
    void MakeAnswer();
    void NewPuzzle();
    void cmdNew_Click();
    void cmdNums_Click(std::int16_t Index);
    void Timer1_Timer();
    void EvaluateGuess();

    // The puzzle's part of loading the main window: count 3, the clock
    // running, a first puzzle, the solution, peeked mark and hints hidden.
    void startFirstPuzzle();

    // Hides every solution cell, 1..6 and 1..5.
    void hideSolution();

private:
    Die &m_die;
};

} // namespace fw
