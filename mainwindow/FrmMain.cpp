#include "mainwindow/FrmMain.h"

#include "board/Hints.h"
#include "board/Moves.h"
#include "board/Shown.h"
#include "celebration/SolveReward.h"
#include "cells/CellBox.h"
#include "cells/Showing.h"
#include "mainwindow/MainControls.h"
#include "records/FrmBest.h"
#include "records/Placement.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "screenreader/Announcer.h"
#include "screenreader/WhatChanged.h"
#include "screenreader/Words.h"
#include "shell/FrmAbout.h"
#include "shell/FrmHelp.h"
#include "ui/Placing.h"
#include "ui/Twips.h"

#include <QCloseEvent>

#include <algorithm>

namespace fw {

using ui::px;
using ui::twipsFromPx;

namespace {

// The window's size, fixed whatever was stored.
constexpr int kMainWidth = 9500;
constexpr int kMainHeight = 7000;
const QSize kMainSize = ui::twipsSize(kMainWidth, kMainHeight);

// A size in twips as stored: the designed one while the window has it.
float storedTwips(int pixels, int designed)
{
    return float(pixels == px(designed) ? designed : twipsFromPx(pixels));
}

} // namespace

FrmMain::FrmMain(
    Die &die, SettingsStore &store, Records &records, SoundPlayer &sound, QWidget *parent)
    : QMainWindow(parent)
    , m_puzzle(die)
    , m_store(store)
    , m_records(records)
    , m_sound(sound)
    , m_timer1(this)
    , m_timer2(this)
{
    buildLayout();
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer1.setTimerType(Qt::PreciseTimer);
    m_timer2.setTimerType(Qt::PreciseTimer);
    connectControls();
    buildShortcuts();
}

FrmMain::~FrmMain() = default;

QWidget *FrmMain::control(ControlId id) const
{
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
        [id](const auto &entry) { return entry.first == id; });
    return found == m_controls.end() ? nullptr : found->second;
}

void FrmMain::Form_Load()
{
    const Placement placement = readPlacement(m_store);
    move(ui::visiblePosition(
        QPoint(px(qRound(placement.left)), px(qRound(placement.top))), kMainSize));
    resize(kMainSize);
    m_puzzle.start();
    m_hand.release();
    loadRecords(m_records, m_store);
    render();
    m_dealUntold = true;
}

// The first puzzle is told when the window first comes up, once the control
// that takes the focus has been told (a screen reader drops what appears
// before that while it catches up with a window full of new controls).
void FrmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_dealUntold)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_dealUntold)
                    say(screenreader::dealLine(m_puzzle));
            },
            Qt::QueuedConnection);
}

void FrmMain::say(const QString &line)
{
    m_dealUntold = false;
    m_announcer->announce(line);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // Every other window goes with the main window, shown or hidden.
    ui::closeEveryWindowBut(this);
    // The place of the frame, as the window is moved to at the next start,
    // and the size it is opened with.
    if (!isMinimized())
        storePlacement(m_store, float(twipsFromPx(x())), float(twipsFromPx(y())),
            storedTwips(width(), kMainWidth), storedTwips(height(), kMainHeight));
    event->accept();
}

void FrmMain::cmdNums_Click(int index)
{
    m_puzzle.chooseCount(static_cast<std::int16_t>(index));
    m_hand.release();
    render();
    say(screenreader::dealLine(m_puzzle));
}

void FrmMain::cmdNew_Click()
{
    m_puzzle.NewPuzzle();
    m_hand.release();
    render();
    say(screenreader::dealLine(m_puzzle));
}

void FrmMain::cmdHint_Click()
{
    reveal(showHint);
}

void FrmMain::cmdAnswers_Click()
{
    reveal(toggleAnswer);
}

// Hints and the answer show and hide the solution, and tell what they did.
void FrmMain::reveal(void (*how)(Puzzle &))
{
    const Puzzle before = m_puzzle;
    how(m_puzzle);
    render();
    say(screenreader::changesLine(m_puzzle, screenreader::afterReveal(before, m_puzzle)));
}

void FrmMain::Timer1_Timer()
{
    m_puzzle.tick();
    render();
}

void FrmMain::Timer2_Timer()
{
    reveal(hideHint);
}

void FrmMain::mnuBest_Click()
{
    showBestModal(m_records);
}

void FrmMain::mnuHelp_Click()
{
    showHelp(this);
}

void FrmMain::mnuHelpAbout_Click()
{
    showAboutModal(this);
}

void FrmMain::cellDropped(ControlId target, ControlId source)
{
    const Puzzle before = m_puzzle;
    settle(drop(m_puzzle, target, source), before);
}

void FrmMain::cellPressed(ControlId target)
{
    const Puzzle before = m_puzzle;
    settle(press(m_puzzle, target), before);
}

void FrmMain::cellActivated(ControlId cell)
{
    const Puzzle before = m_puzzle;
    const bool solved = activate(m_puzzle, m_hand, cell);
    if (cell.kind == Control::txtGuess || cell.kind == Control::txtGuessOp) {
        settle(solved, before);
        return;
    }
    render();
    if (m_hand.held() == cell)
        say(screenreader::holdingLine(m_puzzle, cell));
}

void FrmMain::cellStepped(ControlId cell, Step step)
{
    if (const auto next = neighbour(m_puzzle, cell, step))
        control(*next)->setFocus(Qt::TabFocusReason);
}

void FrmMain::releaseHand()
{
    const bool held = m_hand.held().has_value();
    m_hand.release();
    render();
    if (held)
        say(screenreader::putBackLine());
}

void FrmMain::sayStatus()
{
    say(screenreader::statusLine(m_puzzle));
}

void FrmMain::settle(bool solved, const Puzzle &before)
{
    render();
    say(screenreader::changesLine(m_puzzle, screenreader::afterMove(before, m_puzzle)));
    // The celebration opens modal windows, so it runs once the move that
    // solved the puzzle has finished and the board shows the solve.
    if (solved)
        QMetaObject::invokeMethod(this, &FrmMain::runSolveReward, Qt::QueuedConnection);
}

void FrmMain::runSolveReward()
{
    fw::runSolveReward(m_records, m_store, m_puzzle.ClockShown.value_or(0),
        modalRewardWindows(m_records, m_sound, this));
}

void FrmMain::render()
{
    for (const auto &[id, widget] : m_controls)
        if (const auto shownNow = shown(m_puzzle, id))
            cells::showOn(widget, *shownNow);
    for (const auto &[id, widget] : m_controls)
        if (auto *cell = qobject_cast<cells::CellBox *>(widget))
            cell->setHeld(m_hand.held() == id);
    cells::syncTimer(m_timer1, m_puzzle.Timer1, m_timer1Starts);
    cells::syncTimer(m_timer2, m_puzzle.Timer2, m_timer2Starts);
}

} // namespace fw
