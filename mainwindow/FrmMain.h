#pragma once

#include "board/Control.h"
#include "board/Keyboard.h"
#include "core/Puzzle.h"

#include <QMainWindow>
#include <QTimer>

#include <utility>
#include <vector>

namespace fw {

namespace screenreader {
class Announcer;
}

class SettingsStore;
class SoundPlayer;
struct Records;

// The game's main window. It lays out the board, turns clicks, drops,
// presses and timer ticks into one call each on the puzzle, and after each
// one shows what the puzzle says. The handlers are public so tests can
// drive them.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    FrmMain(Die &die, SettingsStore &store, Records &records, SoundPlayer &sound,
        QWidget *parent = nullptr);
    ~FrmMain() override;

    const Puzzle &puzzle() const { return m_puzzle; }
    // The control built with this identity.
    QWidget *control(ControlId id) const;

    // Loading the window: placement, fixed size, clock, first puzzle, records.
    void Form_Load();

    void cmdNums_Click(int index);
    void cmdNew_Click();
    void cmdHint_Click();
    void cmdAnswers_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void mnuBest_Click();
    void mnuHelp_Click();
    void mnuHelpAbout_Click();
    // A dragged cell dropped on a cell, and a mouse button pressed on one.
    void cellDropped(ControlId target, ControlId source);
    void cellPressed(ControlId target);
    // Space or Enter on a cell, and an arrow key on one.
    void cellActivated(ControlId cell);
    void cellStepped(ControlId cell, Step step);
    // Escape: whatever the keyboard holds is put back.
    void releaseHand();
    // S: the target, the total and the clock, said to a screen reader.
    void sayStatus();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildLayout();
    void buildMenu();
    void buildShortcuts();
    void connectControls();
    // Shows the puzzle again; a move that solved it then runs the reward.
    void render();
    // After a move on the row: the board shown and told, then a solve's reward.
    void settle(bool solved, const Puzzle &before);
    void reveal(void (*how)(Puzzle &));
    void say(const QString &line);
    void runSolveReward();

    Puzzle m_puzzle;
    Hand m_hand;
    SettingsStore &m_store;
    Records &m_records;
    SoundPlayer &m_sound;

    std::vector<std::pair<ControlId, QWidget *>> m_controls;
    screenreader::Announcer *m_announcer = nullptr;
    bool m_dealUntold = false; // the first puzzle is told once the window is up
    QTimer m_timer1;
    QTimer m_timer2;
    unsigned m_timer1Starts = 0;
    unsigned m_timer2Starts = 0;
};

} // namespace fw
