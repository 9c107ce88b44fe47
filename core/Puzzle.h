#pragma once

#include "core/Die.h"
#include "core/Operator.h"
#include "core/TimerState.h"

#include <array>
#include <cstdint>
#include <optional>

namespace fw {

// The closing message a solve shows.
enum class Closing : std::uint8_t { WayToGo, YoureDone };

// The main window's puzzle as typed values: the one truth the window shows
// (see board/Shown.h). Members carry the names the rest of the game uses
// for them; arrays are indexed from 0 with the entries named in the
// comments in use.
class Puzzle {
public:
    explicit Puzzle(Die &die);

    std::int16_t NumCount = 0;
    std::array<std::int16_t, 8> Numbers {};    // 1..NumCount: the numbers; above: 0
    std::array<std::int16_t, 8> AnswerNums {}; // 1..NumCount: the hidden arrangement
    std::array<Operator, 7> AnswerOps {};      // 1..NumCount-1: between slots j and j+1
    std::int16_t Target = 0;
    std::array<std::int16_t, 8> GuessNums {}; // 1..6: the player's row, 0 = empty
    std::int16_t ElapsedSecs = 0;
    bool AnswersShown = false;
    std::int16_t HintsUsed = 0;

    // 1..6: the number still free in each pool cell, none once it went into
    // the row. Cells beyond the count keep the number drawn for them.
    std::array<std::optional<std::int16_t>, 7> Pool {};
    std::array<Operator, 6> GuessOps {}; // 1..5, between GuessNums(j) and (j+1)
    long long Total = 0;                 // the row's running total
    std::optional<std::int16_t>
        ClockShown; // the clock's last shown second; none before the first tick
    std::array<bool, 7> AnswerShownAt {};   // 1..6: solution numbers on view
    std::array<bool, 6> AnswerOpShownAt {}; // 1..5: solution operators on view
    bool Peeked = false;                    // "Answer" was used in this puzzle
    bool HintCountShown = false;            // "You've used" n "hints"
    bool Done = false;                      // the closing message is showing
    Closing ClosingMessage = Closing::WayToGo;
    TimerState Timer1; // the clock
    TimerState Timer2; // hides the solution after a hint

    std::int16_t RollDie();
    void MakeAnswer();
    void NewPuzzle();
    // Works out the running total; true when the row solves the puzzle, in
    // which case the clock has stopped and the closing message shows.
    bool EvaluateGuess();

    // The first puzzle of a freshly loaded window: three numbers, the clock
    // running, the solution hidden.
    void start();
    // A count button: the new count, the solution hidden if "Answer" showed
    // it, then a new puzzle.
    void chooseCount(std::int16_t count);
    // One second of the clock.
    void tick();
    // Hides every solution cell, 1..6 and 1..5.
    void hideSolution();

private:
    Die &m_die;
};

// Die faces 1..6 times this, rounded, give the solution's operator codes
// 1, 1, 2, 3, 3, 4: add and multiply twice as likely as subtract and divide.
inline constexpr double kOperatorCodesPerFace = 0.66;

// The clock's next second: past 10000 it falls back to 9999, so it shows
// 9999 and 10000 in turn from then on.
std::int16_t nextClockSecond(std::int16_t seconds);

// Whether a row solves the puzzle: its total is the target and its first
// and last cells hold numbers; the cells between are not looked at.
bool rowSolves(long long total, std::int16_t target, std::int16_t first, std::int16_t last);

} // namespace fw
