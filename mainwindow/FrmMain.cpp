#include "mainwindow/FrmMain.h"

#include "board/Hints.h"
#include "board/Moves.h"
#include "board/Shown.h"
#include "board/Tidings.h"
#include "celebration/SolveReward.h"
#include "cells/CellBox.h"
#include "cells/Showing.h"
#include "mainwindow/MainControls.h"
#include "mainwindow/Speech.h"
#include "records/FrmBest.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "shell/FrmAbout.h"
#include "shell/FrmHelp.h"
#include "ui/Announcer.h"
#include "ui/ClientArea.h"
#include "ui/Fonts.h"
#include "ui/Placing.h"
#include "ui/Translations.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <array>

namespace fw {

using ui::px;
using ui::twipsFromPx;

namespace {

// The window's size, fixed whatever was stored, and its client area's as
// designed, below the menu bar.
constexpr int kMainWidth = 9500;
constexpr int kMainHeight = 7000;
const QSize kMainSize = ui::twipsSize(kMainWidth, kMainHeight);
constexpr int kClientWidth = 9504;
constexpr int kClientHeight = 6648;

// A size in twips as stored: the designed one while the window has it.
float storedTwips(int pixels, int designed)
{
    return float(pixels == px(designed) ? designed : twipsFromPx(pixels));
}

// Starts, restarts or stops a real timer so it ticks as the puzzle says.
void syncTimer(QTimer &timer, const TimerState &state, unsigned &seenStarts)
{
    if (!state.running())
        timer.stop();
    else if (!timer.isActive() || timer.interval() != state.interval || seenStarts != state.starts)
        timer.start(state.interval);
    seenStarts = state.starts;
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

void FrmMain::buildShortcuts()
{
    const auto shortcut = [this](QKeySequence keys, auto handler) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    shortcut(QKeySequence::New, &FrmMain::cmdNew_Click);
    shortcut(QKeySequence::HelpContents, &FrmMain::mnuHelp_Click);
    shortcut(QKeySequence::Quit, &QWidget::close);
    shortcut(QKeySequence(Qt::Key_Escape), &FrmMain::releaseHand);
    shortcut(QKeySequence(Qt::Key_S), &FrmMain::sayStatus);
}

void FrmMain::buildMenu()
{
    // The menu stays in the window, also on desktops with a global menu bar.
    menuBar()->setNativeMenuBar(false);
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    const auto entry = [this](const char *name, const char *caption, void (FrmMain::*handler)()) {
        QAction *action = menuBar()->addAction(ui::Texts::tr(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    entry("mnuBest", QT_TRANSLATE_NOOP("Figurewheel", "Who's the Best?"), &FrmMain::mnuBest_Click);
    entry("mnuHelp", QT_TRANSLATE_NOOP("Figurewheel", "How Do I Play?"), &FrmMain::mnuHelp_Click);
    entry("mnuHelpAbout", QT_TRANSLATE_NOOP("Figurewheel", "Who Wrote Figurewheel?"),
        &FrmMain::mnuHelpAbout_Click);
}

void FrmMain::buildLayout()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Figurewheel"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ui::defaultFont());
    buildMenu();

    auto *client = new ui::ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // Built from the back forward, so each control covers those made before it.
    std::vector<std::pair<int, QWidget *>> tabOrder;
    const auto table = mainControls();
    for (auto row = table.rbegin(); row != table.rend(); ++row) {
        QWidget *made = row->look.kind == ui::ControlKind::Cell
            ? cells::makeCell(client, row->id, row->look)
            : nullptr;
        QWidget *widget = ui::buildControl(client, row->look, {}, made);
        widget->setObjectName(QString::fromStdString(controlName(row->id)));
        m_controls.emplace_back(row->id, widget);
        if (const QString spoken = spokenName(row->id); !spoken.isEmpty())
            widget->setAccessibleName(spoken);
        if (row->look.tab >= 0)
            tabOrder.emplace_back(row->look.tab, widget);
        if (!takesPart(row->id))
            widget->setFocusPolicy(Qt::ClickFocus); // a click still focuses it, as always
    }
    std::reverse(m_controls.begin(), m_controls.end()); // front to back, as listed
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t n = 1; n < tabOrder.size(); ++n)
        setTabOrder(tabOrder[n - 1].second, tabOrder[n].second);
    for (int n = 2; n <= 6; ++n)
        control({Control::cmdNums, n})
            ->setAccessibleDescription(control({Control::cmdNums, 6})->toolTip());
    client->toolbar = control({Control::Toolbar1});
    client->statusBar = control({Control::sbStatusBar});
    client->resize(ui::twipsSize(kClientWidth, kClientHeight));
    m_announcer = new ui::Announcer(this);
}

QWidget *FrmMain::control(ControlId id) const
{
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
        [id](const auto &entry) { return entry.first == id; });
    return found == m_controls.end() ? nullptr : found->second;
}

void FrmMain::connectControls()
{
    for (const auto &[id, widget] : m_controls) {
        if (auto *cell = qobject_cast<cells::CellBox *>(widget)) {
            connect(cell, &cells::CellBox::dropped, this,
                [this, target = id](ControlId source) { cellDropped(target, source); });
            connect(
                cell, &cells::CellBox::pressed, this, [this, target = id] { cellPressed(target); });
            connect(cell, &cells::CellBox::activated, this,
                [this, target = id] { cellActivated(target); });
            connect(cell, &cells::CellBox::stepped, this,
                [this, target = id](Step step) { cellStepped(target, step); });
        } else if (id.kind == Control::cmdNums) {
            connect(static_cast<QPushButton *>(widget), &QPushButton::clicked, this,
                [this, n = id.index] { cmdNums_Click(n); });
        }
    }
    const auto clicked = [this](Control kind, void (FrmMain::*handler)()) {
        connect(static_cast<QPushButton *>(control({kind})), &QPushButton::clicked, this, handler);
    };
    clicked(Control::cmdNew, &FrmMain::cmdNew_Click);
    clicked(Control::cmdHint, &FrmMain::cmdHint_Click);
    clicked(Control::cmdAnswers, &FrmMain::cmdAnswers_Click);
    connect(&m_timer1, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    connect(&m_timer2, &QTimer::timeout, this, &FrmMain::Timer2_Timer);
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
                    say(dealLine(m_puzzle));
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
    say(dealLine(m_puzzle));
}

void FrmMain::cmdNew_Click()
{
    m_puzzle.NewPuzzle();
    m_hand.release();
    render();
    say(dealLine(m_puzzle));
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
    say(tidingsLine(m_puzzle, afterReveal(before, m_puzzle)));
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
        say(holdingLine(m_puzzle, cell));
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
        say(putBackLine());
}

void FrmMain::sayStatus()
{
    say(statusLine(m_puzzle));
}

void FrmMain::settle(bool solved, const Puzzle &before)
{
    render();
    say(tidingsLine(m_puzzle, afterMove(before, m_puzzle)));
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
    syncTimer(m_timer1, m_puzzle.Timer1, m_timer1Starts);
    syncTimer(m_timer2, m_puzzle.Timer2, m_timer2Starts);
}

} // namespace fw
