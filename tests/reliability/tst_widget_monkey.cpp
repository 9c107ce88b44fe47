// Random play through the real main window: drops arrive as drag-and-drop
// events on any widget, carrying real cells, cells that cannot be dragged,
// identities that name no cell and bytes that name nothing; presses come as
// mouse presses with any button, buttons are clicked, the timers' handlers
// tick while their timers run, and solves open the real celebration and
// record windows, which a timer closes as a player would. After every event
// the puzzle must still make sense, every control must show exactly what
// the puzzle says, and every solving move must be celebrated exactly once.
#include "board/Shown.h"
#include "cells/Showing.h"
#include "mainwindow/MainControls.h"
#include "numbers/NumberText.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "support/CountingSound.h"
#include "support/ModalScript.h"
#include "support/PuzzleInvariants.h"
#include "support/SeededDie.h"
#include "support/SolveByDrops.h"
#include "support/TestFiles.h"
#include "ui/Fonts.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <deque>
#include <memory>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

using namespace fw;

namespace {

// How many events each sequence runs, and how many of the last ones a
// failure lists (the seed replays the whole sequence).
constexpr int kEventsPerSeed = 2500;
constexpr std::size_t kEventsShown = 120;

QString nameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

bool rowSolves(const Puzzle &p)
{
    return fw::rowSolves(p.Total, p.Target, p.GuessNums[1], p.GuessNums[std::size_t(p.NumCount)]);
}

class WidgetMonkey {
public:
    explicit WidgetMonkey(std::uint64_t seed)
        : m_pick(seed)
        , m_die(seed ^ 0x5851f42d4c957f2dULL)
    {
        window.Form_Load();
        window.show();
        for (const auto &row : mainControls()) {
            QWidget *widget = window.control(row.id);
            (qobject_cast<cells::CellBox *>(widget) ? m_cells : m_otherTargets).push_back(widget);
        }
        m_otherTargets.push_back(&window);
        m_otherTargets.push_back(window.centralWidget());

        // Closes whatever modal window opens, the way the player would.
        closer.closeAnyWindow();
    }

    // Runs one random event and checks everything; returns what broke.
    QString step()
    {
        m_problem.clear();
        m_move = false;
        m_solvedBefore = rowSolves(window.puzzle());
        const qsizetype closedBefore = closer.seen.size();
        QString event = randomEvent();
        const QStringList closed = closer.seen.mid(closedBefore);
        const qsizetype hoorays = closed.count(QStringLiteral("frmHooray"));
        solves += int(hoorays);
        if (!closed.isEmpty())
            event += QStringLiteral(" [closed %1]").arg(closed.join(','));
        m_events.push_back(event);
        if (m_events.size() > kEventsShown)
            m_events.pop_front();
        ++eventsRun;
        return check(hoorays);
    }

    QString recentEvents() const
    {
        return QStringList(m_events.begin(), m_events.end()).join(QStringLiteral("\n  "));
    }

    IniSettingsStore store;
    Records records;
    CountingSound sound;

private:
    std::mt19937_64 m_pick;
    SeededDie m_die;

public:
    FrmMain window {m_die, store, records, sound};
    int solves = 0; // celebrations the player closed
    int eventsRun = 0;
    int drops = 0;
    int garbageDrops = 0;
    int presses = 0;
    int ticks = 0;
    ModalScript closer; // its `seen`: the windows closed

private:
    int upTo(int n) { return int(m_pick() % std::uint64_t(n + 1)); }
    template <typename T> T oneOf(const std::vector<T> &items)
    {
        return items[std::size_t(upTo(int(items.size()) - 1))];
    }

    const Puzzle &puzzle() const { return window.puzzle(); }

    // What every control of the board shows.
    std::vector<std::optional<Shown>> board() const
    {
        std::vector<std::optional<Shown>> all;
        for (const auto &row : mainControls())
            all.push_back(shown(puzzle(), row.id));
        return all;
    }

    // What a drop carries: mostly a pool or palette cell, now and then an
    // identity no cell can be dragged with, whose drop must change nothing.
    ControlId sourceId(bool &refused)
    {
        const int kind = upTo(9);
        refused = kind >= 8;
        if (kind < 5)
            return {Control::txtNumber, 1 + upTo(5)};
        if (kind < 8)
            return {Control::txtOp, oneOf<int>({0, 1, 3, 4})};
        return oneOf<ControlId>({
            {Control::txtNumber, 0},
            {Control::txtNumber, 7},
            {Control::txtNumber, -1},
            {Control::txtNumber, 99999},
            {Control::txtNumber, INT_MIN},
            {Control::txtNumber, INT_MAX},
            {Control::txtOp, 2},
            {Control::txtOp, -1},
            {Control::txtOp, 5},
            {Control::txtOp, INT_MIN},
            {Control::txtGuess, 1},
            {Control::txtGuessOp, 2},
            {Control::txtAnswer, 3},
            {Control::txtCurrentTotal},
            {Control::cmdNew},
            {Control::cmdNums, 3},
            {Control::sbStatusBar, 1},
        });
    }

    // Bytes that must never make a drop: nothing, cut short, a kind past
    // the last, or another format altogether.
    std::unique_ptr<QMimeData> garbage(QString &what)
    {
        auto mime = std::make_unique<QMimeData>();
        const QByteArray pastLastKind(1, char(int(Control::sbStatusBar) + 1 + upTo(200)));
        const char *cell = cells::kCellMimeType;
        const auto [name, format, bytes]
            = oneOf<std::tuple<const char *, const char *, QByteArray>>({
                {"no bytes", cell, {}},
                {"a kind without index", cell, QByteArray(1, '\0')},
                {"an index cut short", cell, QByteArray::fromHex("000000")},
                {"a kind past the last", cell, pastLastKind + QByteArray::fromHex("00000001")},
                {"kind 255", cell, QByteArray::fromHex("ff00000001")},
                {"plain text", "text/plain", QByteArrayLiteral("txtNumber(1)")},
            });
        what = QString::fromLatin1(name);
        mime->setData(QString::fromLatin1(format), bytes);
        return mime;
    }

    // Where a drop lands: mostly a visible cell, sometimes a hidden cell or
    // a control that is no cell at all.
    QWidget *dropTarget()
    {
        const int kind = upTo(9);
        if (kind >= 8)
            return oneOf(m_otherTargets);
        std::vector<QWidget *> visible;
        std::vector<QWidget *> hidden;
        for (QWidget *cell : m_cells)
            (cell->isVisibleTo(&window) ? visible : hidden).push_back(cell);
        return kind < 7 || hidden.empty() ? oneOf(visible) : oneOf(hidden);
    }

    QString randomEvent()
    {
        const int roll = upTo(99);
        if (roll < 34)
            return dropSomething();
        if (roll < 54)
            return pressRowCell();
        if (roll < 58)
            return click({Control::cmdNums, 2 + upTo(4)});
        if (roll < 61)
            return click({Control::cmdNew});
        if (roll < 66)
            return click({Control::cmdHint});
        if (roll < 70)
            return click({Control::cmdAnswers});
        if (roll < 88) {
            // The clock (Timer1) and the hint's timer tick only while they run.
            const bool clock = roll < 82;
            const QString name = clock ? QStringLiteral("Timer1") : QStringLiteral("Timer2");
            if (!(clock ? puzzle().Timer1 : puzzle().Timer2).running())
                return QStringLiteral("(no %1 tick: stopped)").arg(name);
            ++ticks;
            clock ? window.Timer1_Timer() : window.Timer2_Timer();
            return settle(name + QStringLiteral(" tick"));
        }
        if (roll < 89) {
            const QString menu
                = oneOf<QString>({QStringLiteral("mnuBest"), QStringLiteral("mnuHelpAbout")});
            window.findChild<QAction *>(menu)->trigger();
            return settle(QStringLiteral("menu ") + menu);
        }
        return solve();
    }

    QString dropSomething()
    {
        QWidget *target = dropTarget();
        const auto before = board();
        ++drops;
        m_move = true;
        QString what;
        bool refused = true;
        if (upTo(9) == 0) {
            ++garbageDrops;
            if (dropMime(target, garbage(what).get()))
                m_problem = QStringLiteral("%1 took a drop of %2").arg(nameOf(target), what);
        } else {
            const ControlId source = sourceId(refused);
            what = QStringLiteral("%1 index %2")
                       .arg(QString::fromStdString(controlName({source.kind})))
                       .arg(source.index);
            dropCell(target, source);
        }
        if (refused && board() != before)
            m_problem
                = QStringLiteral("a drop of %1 on %2 changed the board").arg(what, nameOf(target));
        return settle(QStringLiteral("drop %1 on %2").arg(what, nameOf(target)));
    }

    QString pressRowCell()
    {
        const int n = puzzle().NumCount;
        const ControlId id = upTo(2) != 0 ? ControlId {Control::txtGuess, 1 + upTo(n - 1)}
                                          : ControlId {Control::txtGuessOp, 1 + upTo(n - 2)};
        const auto [button, name] = oneOf<std::pair<Qt::MouseButton, const char *>>(
            {{Qt::LeftButton, "left"}, {Qt::RightButton, "right"}, {Qt::MiddleButton, "middle"}});
        QWidget *cell = window.control(id);
        QTest::mousePress(cell, button, {}, cell->rect().center());
        QTest::mouseRelease(cell, button, {}, cell->rect().center());
        ++presses;
        m_move = true;
        return settle(QStringLiteral("%1 press on %2").arg(QLatin1String(name), nameOf(cell)));
    }

    QString click(ControlId id)
    {
        QTest::mouseClick(window.control(id), Qt::LeftButton);
        return settle(QStringLiteral("click ") + nameOf(window.control(id)));
    }

    // Builds the hidden solution in the row by presses and drops. The row
    // is taken apart first, so the last drop makes it solve: a celebration.
    QString solve()
    {
        const fwtest::SolveMoves moves = fwtest::solveByDrops(window);
        presses += moves.presses;
        drops += moves.drops;
        m_move = true;
        m_solvedBefore = false;
        if (!puzzle().Done || puzzle().Total != puzzle().Target)
            m_problem = QStringLiteral("the hidden solution built in the row does not solve");
        const auto clock = shown(puzzle(), {Control::txtTimer});
        return settle(QStringLiteral("solve %1 numbers at clock %2")
                          .arg(puzzle().NumCount)
                          .arg(cells::textFor(clock->text.value_or(""))));
    }

    // Lets a celebration that the event queued run now, with its windows
    // closed by the closer; notes what the main window's own timers did
    // while those windows were open, since such ticks depend on time, not
    // on the seed.
    QString settle(QString event)
    {
        const std::int16_t clock = puzzle().ElapsedSecs;
        const auto &shownAt = puzzle().AnswerShownAt;
        const auto solutionShown = std::count(shownAt.begin(), shownAt.end(), true);
        QCoreApplication::sendPostedEvents(&window, QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (puzzle().ElapsedSecs != clock && !event.contains(QLatin1String("Timer1")))
            event += QStringLiteral(" [the clock ticked meanwhile]");
        if (std::count(shownAt.begin(), shownAt.end(), true) != solutionShown)
            event += QStringLiteral(" [the hint timer fired meanwhile]");
        return event;
    }

    QString check(qsizetype hoorays)
    {
        if (!m_problem.isEmpty())
            return m_problem;
        const Puzzle &p = puzzle();
        QString broken = checkPuzzleInvariants(p);
        if (!broken.isEmpty())
            return broken;
        for (const auto &row : mainControls()) {
            const std::optional<Shown> expected = shown(p, row.id);
            if (!expected)
                continue;
            QWidget *widget = window.control(row.id);
            if (expected->text) {
                const QString text = cells::textFor(*expected->text);
                const auto *box = qobject_cast<QLineEdit *>(widget);
                const QString actual = box ? box->text() : qobject_cast<QLabel *>(widget)->text();
                if (actual != text)
                    return QStringLiteral("%1 shows '%2', the puzzle says '%3'")
                        .arg(nameOf(widget), actual, text);
            }
            if (widget->isVisibleTo(&window) != expected->visible)
                return QStringLiteral("%1 is %2, the puzzle says the other")
                    .arg(nameOf(widget),
                        expected->visible ? QStringLiteral("hidden") : QStringLiteral("shown"));
            if (expected->points && widget->font() != ui::gameFont(*expected->points))
                return QStringLiteral("%1 is not in the font of %2 points")
                    .arg(nameOf(widget))
                    .arg(*expected->points);
        }
        // A celebration follows a move that left the row solving, once; a
        // move that made the row solve is always celebrated.
        if (hoorays > 1 || (hoorays == 1 && (!m_move || !p.Done || !rowSolves(p))))
            return QStringLiteral("%1 celebrations of a row that %2")
                .arg(hoorays)
                .arg(rowSolves(p) ? QStringLiteral("solves") : QStringLiteral("does not solve"));
        if (m_move && !m_solvedBefore && rowSolves(p) && hoorays == 0)
            return QStringLiteral("a move solved the row without a celebration");
        if (sound.played.size() != solves)
            return QStringLiteral("%1 celebrations closed but %2 sounds")
                .arg(solves)
                .arg(sound.played.size());
        if (records.gBestTime < 1)
            return QStringLiteral("best time %1").arg(records.gBestTime);
        const QString storedBest
            = store.read(QStringLiteral("Records"), QStringLiteral("BestTime"));
        if (lenientInt16(storedBest.toStdString()) != records.gBestTime)
            return QStringLiteral("best time %1, the store holds '%2'")
                .arg(records.gBestTime)
                .arg(storedBest);
        if (QApplication::activeModalWidget())
            return QStringLiteral("a modal window stayed open");
        return {};
    }

    std::vector<QWidget *> m_cells;
    std::vector<QWidget *> m_otherTargets;
    std::deque<QString> m_events;
    QString m_problem;
    bool m_move = false;
    bool m_solvedBefore = false;
};

} // namespace

class TestWidgetMonkey : public QObject {
    Q_OBJECT
    int m_events = 0;
    int m_solves = 0;

private slots:
    // Each sequence starts on an empty store, as on a first run.
    void init() { fwtest::resetSettings(); }

    void randomPlay_data()
    {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {11ULL, 2024ULL, 77777ULL, 31337ULL})
            QTest::addRow("seed %llu", seed) << seed;
    }

    void randomPlay()
    {
        QFETCH(quint64, seed);
        QElapsedTimer clock;
        clock.start();
        WidgetMonkey monkey(seed);
        QString broken;
        for (int n = 0; n < kEventsPerSeed && broken.isEmpty(); ++n) {
            broken = monkey.step();
            if (!broken.isEmpty())
                broken
                    = QStringLiteral("seed %1, event %2: %3\nthe last events, oldest first:\n  %4")
                          .arg(seed)
                          .arg(n)
                          .arg(broken, monkey.recentEvents());
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        // Random play reaches every part of the game.
        QVERIFY(monkey.solves > 0);
        QVERIFY(monkey.closer.seen.contains(QStringLiteral("frmNewRecord")));
        QVERIFY(monkey.closer.seen.contains(QStringLiteral("frmBest")));
        m_events += monkey.eventsRun;
        m_solves += monkey.solves;
        qInfo(
            "seed %llu: %d events (%d drops, %d of them garbage, %d presses, %d ticks), %d solves, "
            "%lld windows closed, %lld ms",
            seed, monkey.eventsRun, monkey.drops, monkey.garbageDrops, monkey.presses, monkey.ticks,
            monkey.solves, static_cast<long long>(monkey.closer.seen.size()),
            static_cast<long long>(clock.elapsed()));
    }

    void cleanupTestCase()
    {
        qInfo("%d events through the main window, %d solves", m_events, m_solves);
    }
};

QTEST_MAIN(TestWidgetMonkey)
#include "tst_widget_monkey.moc"
