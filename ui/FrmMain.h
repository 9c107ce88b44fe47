#pragma once

#include "core/Puzzle.h"

#include <QMainWindow>
#include <QTimer>

#include <array>

class QAction;
class QLabel;
class QPushButton;
class QStatusBar;
class QToolBar;

namespace fw {

class SettingsStore;
class SoundPlayer;
struct Records;
struct DragSource;

namespace ui {
class CellBox;
}

// The game's main window. It lays out the board, turns clicks, drops, presses
// and timer ticks into moves on the puzzle, and after each one shows the
// puzzle's state again. The handlers are public so tests can drive them.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    FrmMain(Die &die, SettingsStore &store, Records &records, SoundPlayer &sound,
            QWidget *parent = nullptr);
    ~FrmMain() override;

    Puzzle &puzzle() { return m_puzzle; }
    const Puzzle &puzzle() const { return m_puzzle; }

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

    // A dragged cell, named as in "txtNumber(2)", dropped on a cell.
    void dropOn(const QString &targetName, const QString &sourceName);
    // A mouse button pressed on a cell of the row.
    void pressOn(const QString &targetName);

    // Copies the puzzle's state onto the widgets and the timers.
    void render();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void connectControls();
    void runSolveReward();
    std::optional<DragSource> dragSourceNamed(const QString &name) const;
    QPoint visiblePosition(QPoint stored) const;

    Puzzle m_puzzle;
    SettingsStore &m_store;
    Records &m_records;
    SoundPlayer &m_sound;

    QWidget *m_client = nullptr;
    QToolBar *m_toolbar = nullptr;
    QStatusBar *m_statusBar = nullptr;
    std::array<QPushButton *, 7> m_cmdNums{};
    QPushButton *m_cmdNew = nullptr;
    QPushButton *m_cmdHint = nullptr;
    QPushButton *m_cmdAnswers = nullptr;
    std::array<ui::CellBox *, 7> m_txtNumber{};
    std::array<ui::CellBox *, 5> m_txtOp{};
    std::array<ui::CellBox *, 7> m_txtGuess{};
    std::array<ui::CellBox *, 6> m_txtGuessOp{};
    std::array<ui::CellBox *, 7> m_txtAnswer{};
    std::array<ui::CellBox *, 6> m_txtAnswerOp{};
    ui::CellBox *m_txtCurrentTotal = nullptr;
    ui::CellBox *m_txtTimer = nullptr;
    QLabel *m_lblDone = nullptr;
    QLabel *m_lblPeeked = nullptr;
    QLabel *m_lblHint1 = nullptr;
    QLabel *m_lblHint2 = nullptr;
    QLabel *m_lblHint3 = nullptr;
    QTimer m_timer1;
    QTimer m_timer2;
    unsigned m_timer1Starts = 0;
    unsigned m_timer2Starts = 0;
};

} // namespace fw
