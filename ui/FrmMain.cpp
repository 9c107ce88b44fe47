#include "ui/FrmMain.h"

#include "board/Arrangement.h"
#include "board/Hints.h"
#include "records/FrmBest.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "records/SolveReward.h"
#include "shell/FrmAbout.h"
#include "ui/CellBox.h"
#include "ui/CellMime.h"
#include "ui/FrmHelp.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace fw {

using namespace ui;

namespace {

void showCell(QLineEdit *box, const Cell &cell)
{
    const QString text = QString::fromStdString(cell.text);
    if (box->text() != text)
        box->setText(text);
    box->setVisible(cell.visible);
}

void showCell(QLabel *label, const Cell &cell)
{
    const QString text = QString::fromStdString(cell.text);
    if (label->text() != text)
        label->setText(text);
    label->setVisible(cell.visible);
}

// Starts, restarts or stops a real timer so it ticks as the model says.
void syncTimer(QTimer &timer, const TimerState &state, unsigned &seenStarts)
{
    if (!state.running())
        timer.stop();
    else if (!timer.isActive() || timer.interval() != state.interval || seenStarts != state.starts)
        timer.start(state.interval);
    seenStarts = state.starts;
}

} // namespace

FrmMain::FrmMain(Die &die, SettingsStore &store, Records &records, SoundPlayer &sound, QWidget *parent)
    : QMainWindow(parent)
    , m_puzzle(die)
    , m_store(store)
    , m_records(records)
    , m_sound(sound)
{
    buildLayout();
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer1.setTimerType(Qt::PreciseTimer);
    m_timer2.setTimerType(Qt::PreciseTimer);
    connectControls();
    // The celebration opens modal windows, so it runs once the move that
    // solved the puzzle has finished and the board shows the solve.
    m_puzzle.solveReward = [this] {
        QMetaObject::invokeMethod(this, &FrmMain::runSolveReward, Qt::QueuedConnection);
    };
    render();
}

FrmMain::~FrmMain() = default;

void FrmMain::connectControls()
{
    for (int n = 2; n <= 6; ++n)
        connect(m_cmdNums[n], &QPushButton::clicked, this, [this, n] { cmdNums_Click(n); });
    connect(m_cmdNew, &QPushButton::clicked, this, &FrmMain::cmdNew_Click);
    connect(m_cmdHint, &QPushButton::clicked, this, &FrmMain::cmdHint_Click);
    connect(m_cmdAnswers, &QPushButton::clicked, this, &FrmMain::cmdAnswers_Click);
    connect(&m_timer1, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    connect(&m_timer2, &QTimer::timeout, this, &FrmMain::Timer2_Timer);
    connect(findChild<QAction *>(QStringLiteral("mnuBest")), &QAction::triggered, this,
            &FrmMain::mnuBest_Click);
    connect(findChild<QAction *>(QStringLiteral("mnuHelp")), &QAction::triggered, this,
            &FrmMain::mnuHelp_Click);
    connect(findChild<QAction *>(QStringLiteral("mnuHelpAbout")), &QAction::triggered, this,
            &FrmMain::mnuHelpAbout_Click);

    const auto cells = m_client->findChildren<CellBox *>();
    for (CellBox *cell : cells) {
        const QString name = cell->objectName();
        connect(cell, &CellBox::cellDropped, this,
                [this, name](const QString &source) { dropOn(name, source); });
        connect(cell, &CellBox::pressed, this, [this, name] { pressOn(name); });
    }
}

void FrmMain::Form_Load()
{
    const Placement placement = readPlacement(m_store);
    move(visiblePosition(QPoint(px(qRound(placement.left)), px(qRound(placement.top)))));
    resize(twipsSize(9500, 7000));
    m_puzzle.startFirstPuzzle();
    loadRecords(m_records, m_store);
    render();
}

// A stored position is kept whenever the window would show on a screen
// attached now; one left behind on a screen since removed moves to the
// middle of the primary screen, so the window never opens out of reach.
QPoint FrmMain::visiblePosition(QPoint stored) const
{
    const QSize size = twipsSize(9500, 7000);
    const QRect wanted(stored, size);
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(wanted);
        if (visible.width() >= 64 && visible.height() >= 32)
            return stored;
    }
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return stored;
    const QRect area = primary->availableGeometry();
    return area.center() - QPoint(size.width() / 2, size.height() / 2);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // Every other window goes with the main window, shown or hidden.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isWindow()) {
            window->close();
            window->deleteLater();
        }
    }
    if (!isMinimized()) {
        const QRect frame = frameGeometry();
        storePlacement(m_store, float(twipsFromPx(frame.x())), float(twipsFromPx(frame.y())),
                       float(twipsFromPx(frame.width())), float(twipsFromPx(frame.height())));
    }
    event->accept();
}

void FrmMain::cmdNums_Click(int index)
{
    m_puzzle.cmdNums_Click(static_cast<std::int16_t>(index));
    render();
}

void FrmMain::cmdNew_Click()
{
    m_puzzle.cmdNew_Click();
    render();
}

void FrmMain::cmdHint_Click()
{
    fw::cmdHint_Click(m_puzzle);
    render();
}

void FrmMain::cmdAnswers_Click()
{
    fw::cmdAnswers_Click(m_puzzle);
    render();
}

void FrmMain::Timer1_Timer()
{
    m_puzzle.Timer1_Timer();
    render();
}

void FrmMain::Timer2_Timer()
{
    fw::Timer2_Timer(m_puzzle);
    render();
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

std::optional<DragSource> FrmMain::dragSourceNamed(const QString &name) const
{
    const auto parts = splitIndexedName(name);
    if (!parts)
        return std::nullopt;
    const auto &[array, index] = *parts;
    const CellBox *box = nullptr;
    CellRef ref;
    if (array == QLatin1String("txtNumber") && index >= 1 && index <= 6) {
        box = m_txtNumber[index];
        ref = CellRef{CellRef::Array::Number, index};
    } else if (array == QLatin1String("txtOp") && index >= 0 && index <= 4 && index != 2) {
        box = m_txtOp[index];
        ref = CellRef{CellRef::Array::Op, index};
    }
    if (!box)
        return std::nullopt;
    // The kind of a dragged cell is told by its background colour alone.
    const_cast<CellBox *>(box)->ensurePolished();
    const QColor color = box->palette().color(box->backgroundRole());
    return DragSource{ref, numberFromColor(color)};
}

void FrmMain::dropOn(const QString &targetName, const QString &sourceName)
{
    const auto target = splitIndexedName(targetName);
    const auto source = dragSourceNamed(sourceName);
    if (!target || !source)
        return;
    const auto &[array, index] = *target;
    if (array == QLatin1String("txtGuess"))
        txtGuess_DragDrop(m_puzzle, index, *source);
    else if (array == QLatin1String("txtGuessOp"))
        txtGuessOp_DragDrop(m_puzzle, index, *source);
    else if (array == QLatin1String("txtNumber"))
        txtNumber_DragDrop(m_puzzle, index, *source);
    render();
}

void FrmMain::pressOn(const QString &targetName)
{
    const auto target = splitIndexedName(targetName);
    if (!target)
        return;
    const auto &[array, index] = *target;
    if (array == QLatin1String("txtGuess"))
        txtGuess_MouseDown(m_puzzle, index);
    else if (array == QLatin1String("txtGuessOp"))
        txtGuessOp_MouseDown(m_puzzle, index);
    render();
}

void FrmMain::runSolveReward()
{
    fw::runSolveReward(m_records, m_store, QString::fromStdString(m_puzzle.txtTimer.text),
                       modalRewardWindows(m_records, m_sound, this));
}

void FrmMain::render()
{
    for (int k = 0; k <= 6; ++k)
        showCell(m_txtNumber[k], m_puzzle.txtNumber[k]);
    for (int index : {0, 1, 3, 4})
        showCell(m_txtOp[index], m_puzzle.txtOp[index]);
    for (int i = 1; i <= 6; ++i) {
        showCell(m_txtGuess[i], m_puzzle.txtGuess[i]);
        showCell(m_txtAnswer[i], m_puzzle.txtAnswer[i]);
    }
    for (int j = 1; j <= 5; ++j) {
        showCell(m_txtGuessOp[j], m_puzzle.txtGuessOp[j]);
        showCell(m_txtAnswerOp[j], m_puzzle.txtAnswerOp[j]);
    }
    showCell(m_txtCurrentTotal, m_puzzle.txtCurrentTotal);
    showCell(m_txtTimer, m_puzzle.txtTimer);
    showCell(m_lblDone, m_puzzle.lblDone);
    showCell(m_lblPeeked, m_puzzle.lblPeeked);
    showCell(m_lblHint1, m_puzzle.lblHint1);
    showCell(m_lblHint2, m_puzzle.lblHint2);
    showCell(m_lblHint3, m_puzzle.lblHint3);
    for (int n = 2; n <= 6; ++n) {
        const QFont font = gameFont(m_puzzle.cmdNumsFontSize[n]);
        if (m_cmdNums[n]->font() != font)
            m_cmdNums[n]->setFont(font);
    }
    syncTimer(m_timer1, m_puzzle.Timer1, m_timer1Starts);
    syncTimer(m_timer2, m_puzzle.Timer2, m_timer2Starts);
}

} // namespace fw
