// Random play through the real main window: drops arrive as drag-and-drop
// events on any widget, presses as mouse presses with any button, buttons
// are clicked, the timers' handlers tick while their timers run, and solves
// open the real celebration and record windows, which a timer closes as a
// player would. After every event the puzzle must still make sense and
// every widget must show exactly what the puzzle says.
#include "SolveByDrops.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "support/PuzzleInvariants.h"
#include "support/SeededDie.h"
#include "ui/CountingSound.h"
#include "mainwindow/FrmMain.h"
#include "ui/Twips.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <random>
#include <vector>

using namespace fw;

namespace {

// How many events each sequence runs, and how many of the last ones a
// failure lists (the seed replays the whole sequence).
constexpr int kEventsPerSeed = 2500;
constexpr std::size_t kEventsShown = 120;

// A control of the window and the model's account of what it shows.
struct Shown {
    QWidget *widget = nullptr;
    const Cell *cell = nullptr;
};

class WidgetMonkey {
public:
    explicit WidgetMonkey(std::uint64_t seed)
        : m_pick(seed)
        , m_die(seed ^ 0x5851f42d4c957f2dULL)
    {
        // Count the solves the puzzle reports, then let the window queue
        // its celebration as it always does.
        auto celebrate = window.puzzle().solveReward;
        window.puzzle().solveReward = [this, celebrate] {
            ++solves;
            celebrate();
        };
        window.Form_Load();
        window.show();
        collectControls();

        // Closes whatever modal window opens, the way the player would.
        m_closer.setInterval(0);
        QObject::connect(&m_closer, &QTimer::timeout, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                windowsClosed << modal->objectName();
                modal->close();
            }
        });
        m_closer.start();
    }

    // Runs one random event and checks everything; returns what broke.
    QString step()
    {
        const QString event = randomEvent();
        m_events.push_back(event);
        if (m_events.size() > kEventsShown)
            m_events.pop_front();
        ++eventsRun;
        return check();
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
    FrmMain window{m_die, store, records, sound};
    int solves = 0;
    int eventsRun = 0;
    int drops = 0;
    int presses = 0;
    int ticks = 0;
    QStringList windowsClosed;

private:
    int upTo(int n) { return int(m_pick() % std::uint64_t(n + 1)); }
    template <typename T> const T &oneOf(const std::vector<T> &items)
    {
        return items[std::size_t(upTo(int(items.size()) - 1))];
    }

    Puzzle &puzzle() { return window.puzzle(); }

    template <typename T = QWidget> T *control(const QString &name)
    {
        auto *found = window.findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

    void collectControls()
    {
        const auto add = [this](const QString &name, const Cell &cell) {
            m_shown.push_back({control(name), &cell});
        };
        Puzzle &p = puzzle();
        for (int k = 0; k <= 6; ++k)
            add(QStringLiteral("txtNumber(%1)").arg(k), p.txtNumber[k]);
        for (int k : {0, 1, 3, 4})
            add(QStringLiteral("txtOp(%1)").arg(k), p.txtOp[k]);
        for (int i = 1; i <= 6; ++i) {
            add(QStringLiteral("txtGuess(%1)").arg(i), p.txtGuess[i]);
            add(QStringLiteral("txtAnswer(%1)").arg(i), p.txtAnswer[i]);
        }
        for (int j = 1; j <= 5; ++j) {
            add(QStringLiteral("txtGuessOp(%1)").arg(j), p.txtGuessOp[j]);
            add(QStringLiteral("txtAnswerOp(%1)").arg(j), p.txtAnswerOp[j]);
        }
        add(QStringLiteral("txtCurrentTotal"), p.txtCurrentTotal);
        add(QStringLiteral("txtTimer"), p.txtTimer);
        add(QStringLiteral("lblDone"), p.lblDone);
        add(QStringLiteral("lblPeeked"), p.lblPeeked);
        add(QStringLiteral("lblHint1"), p.lblHint1);
        add(QStringLiteral("lblHint2"), p.lblHint2);
        add(QStringLiteral("lblHint3"), p.lblHint3);
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            if (qobject_cast<QPushButton *>(widget) || qobject_cast<QLabel *>(widget))
                m_otherTargets.push_back(widget);
        }
        m_otherTargets.push_back(&window);
        m_otherTargets.push_back(window.centralWidget());
    }

    // A name a drop may carry: mostly a cell that can be dragged, sometimes
    // any cell, and now and then no cell at all.
    QString sourceName()
    {
        const int kind = upTo(9);
        if (kind < 5)
            return QStringLiteral("txtNumber(%1)").arg(1 + upTo(5));
        if (kind < 8)
            return QStringLiteral("txtOp(%1)").arg(oneOf<int>({0, 1, 3, 4}));
        return oneOf<QString>({
            QStringLiteral("txtNumber(0)"), QStringLiteral("txtNumber(7)"),
            QStringLiteral("txtOp(2)"), QStringLiteral("txtOp(-1)"), QStringLiteral("txtGuess(1)"),
            QStringLiteral("txtGuessOp(2)"), QStringLiteral("txtAnswer(3)"),
            QStringLiteral("txtCurrentTotal"), QStringLiteral("cmdNew"), QString(),
            QStringLiteral("txtNumber("), QStringLiteral("txtNumber(1)x"),
            QStringLiteral("txtNumber(99999999999)"), QStringLiteral("txtNumber(-2147483648)"),
        });
    }

    // Where a drop lands: mostly a visible cell, sometimes a hidden cell or
    // a control that is no cell at all.
    QWidget *dropTarget()
    {
        const int kind = upTo(9);
        if (kind < 8) {
            std::vector<QWidget *> visible;
            std::vector<QWidget *> hidden;
            for (const Shown &shown : m_shown) {
                if (qobject_cast<QLineEdit *>(shown.widget))
                    (shown.widget->isVisibleTo(&window) ? visible : hidden).push_back(shown.widget);
            }
            if (kind < 7 || hidden.empty())
                return oneOf(visible);
            return oneOf(hidden);
        }
        return oneOf(m_otherTargets);
    }

    QString randomEvent()
    {
        const int roll = upTo(99);
        if (roll < 34) {
            QWidget *target = dropTarget();
            const QString source = sourceName();
            ++drops;
            dropCell(target, source);
            return settle(QStringLiteral("drop '%1' on %2").arg(source, nameOf(target)));
        }
        if (roll < 54)
            return pressRowCell();
        if (roll < 58) {
            const int count = 2 + upTo(4);
            QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdNums(%1)").arg(count)),
                              Qt::LeftButton);
            return settle(QStringLiteral("click cmdNums(%1)").arg(count));
        }
        if (roll < 61) {
            QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdNew")), Qt::LeftButton);
            return settle(QStringLiteral("click cmdNew"));
        }
        if (roll < 66) {
            QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdHint")), Qt::LeftButton);
            return settle(QStringLiteral("click cmdHint"));
        }
        if (roll < 70) {
            QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdAnswers")), Qt::LeftButton);
            return settle(QStringLiteral("click cmdAnswers"));
        }
        if (roll < 82) {
            // The clock ticks only while its timer runs.
            if (!puzzle().Timer1.running())
                return QStringLiteral("(no Timer1 tick: stopped)");
            ++ticks;
            window.Timer1_Timer();
            return settle(QStringLiteral("Timer1 tick"));
        }
        if (roll < 88) {
            if (!puzzle().Timer2.running())
                return QStringLiteral("(no Timer2 tick: stopped)");
            ++ticks;
            window.Timer2_Timer();
            return settle(QStringLiteral("Timer2 tick"));
        }
        if (roll < 89) {
            control<QAction>(QStringLiteral("mnuBest"))->trigger();
            return settle(QStringLiteral("menu Who's the Best?"));
        }
        return solve();
    }

    QString pressRowCell()
    {
        const int n = puzzle().NumCount;
        const bool numberCell = upTo(2) != 0;
        const int index = numberCell ? 1 + upTo(n - 1) : 1 + upTo(n - 2);
        const QString name = numberCell ? QStringLiteral("txtGuess(%1)").arg(index)
                                        : QStringLiteral("txtGuessOp(%1)").arg(index);
        const Qt::MouseButton button
            = oneOf<Qt::MouseButton>({Qt::LeftButton, Qt::RightButton, Qt::MiddleButton});
        fwtest::pressCell(window, name, button);
        ++presses;
        return settle(QStringLiteral("%1 press on %2")
                          .arg(button == Qt::LeftButton    ? QStringLiteral("left")
                                   : button == Qt::RightButton ? QStringLiteral("right")
                                                               : QStringLiteral("middle"),
                               name));
    }


    // Builds the hidden solution in the row by presses and drops.
    QString solve()
    {
        const Puzzle &p = puzzle();
        const fwtest::SolveMoves moves = fwtest::solveByDrops(window);
        presses += moves.presses;
        drops += moves.drops;
        const bool solved = p.lblDone.visible && p.txtCurrentTotal.text == p.txtNumber[0].text;
        QString event = settle(QStringLiteral("solve %1 numbers at clock %2")
                                   .arg(p.NumCount)
                                   .arg(QString::fromStdString(p.txtTimer.text)));
        if (!solved)
            m_problem = QStringLiteral("the hidden solution built in the row does not solve");
        return event;
    }

    // Lets a celebration that the event queued run now, with its windows
    // closed by the closer; notes what the main window's own timers did
    // while those windows were open, since such ticks depend on time, not
    // on the seed.
    QString settle(QString event)
    {
        const std::int16_t clock = puzzle().ElapsedSecs;
        const int shownBefore = solutionCellsShown();
        const qsizetype closedBefore = windowsClosed.size();
        QCoreApplication::sendPostedEvents(&window, QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (windowsClosed.size() > closedBefore)
            event += QStringLiteral(" [closed %1]").arg(windowsClosed.mid(closedBefore).join(','));
        if (puzzle().ElapsedSecs != clock && !event.contains(QLatin1String("Timer1")))
            event += QStringLiteral(" [the clock ticked meanwhile]");
        if (solutionCellsShown() != shownBefore)
            event += QStringLiteral(" [the hint timer fired meanwhile]");
        return event;
    }

    int solutionCellsShown()
    {
        int shown = 0;
        for (int k = 1; k <= 6; ++k)
            shown += puzzle().txtAnswer[k].visible ? 1 : 0;
        return shown;
    }

    static QString nameOf(QWidget *widget)
    {
        return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                              : widget->objectName();
    }

    QString check()
    {
        if (!m_problem.isEmpty())
            return m_problem;
        QString broken = checkPuzzleInvariants(puzzle());
        if (!broken.isEmpty())
            return broken;
        for (const Shown &shown : m_shown) {
            const QString expected = QString::fromStdString(shown.cell->text);
            QString text;
            if (auto *box = qobject_cast<QLineEdit *>(shown.widget))
                text = box->text();
            else
                text = static_cast<QLabel *>(shown.widget)->text();
            if (text != expected)
                return QStringLiteral("%1 shows '%2', the puzzle says '%3'")
                    .arg(shown.widget->objectName(), text, expected);
            if (shown.widget->isVisibleTo(&window) != shown.cell->visible)
                return QStringLiteral("%1 is %2, the puzzle says %3")
                    .arg(shown.widget->objectName(),
                         shown.widget->isVisibleTo(&window) ? QStringLiteral("shown") : QStringLiteral("hidden"),
                         shown.cell->visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
        }
        for (int n = 2; n <= 6; ++n) {
            const auto *button = control<QPushButton>(QStringLiteral("cmdNums(%1)").arg(n));
            if (button->font() != ui::gameFont(puzzle().cmdNumsFontSize[n]))
                return QStringLiteral("cmdNums(%1) is not in the font of %2 points")
                    .arg(n).arg(puzzle().cmdNumsFontSize[n]);
        }
        // Every solve was celebrated once, with the hound's sound.
        if (sound.played.size() != solves)
            return QStringLiteral("%1 solves but %2 celebrations").arg(solves).arg(sound.played.size());
        if (records.gBestTime < 1)
            return QStringLiteral("best time %1").arg(records.gBestTime);
        const QString storedBest = store.read(QStringLiteral("Records"), QStringLiteral("BestTime"));
        if (lenientInt16(storedBest.toStdString()) != records.gBestTime)
            return QStringLiteral("best time %1, the store holds '%2'").arg(records.gBestTime).arg(storedBest);
        if (QApplication::activeModalWidget())
            return QStringLiteral("a modal window stayed open");
        return {};
    }

    std::vector<Shown> m_shown;
    std::vector<QWidget *> m_otherTargets;
    std::deque<QString> m_events;
    QString m_problem;
    QTimer m_closer;
};

} // namespace

class TestWidgetMonkey : public QObject {
    Q_OBJECT
private slots:
    void init();
    void randomPlay_data();
    void randomPlay();
    void cleanupTestCase();

private:
    int m_events = 0;
    int m_solves = 0;
};

void TestWidgetMonkey::init()
{
    // Each sequence starts on an empty store, as on a first run.
    QFile::remove(IniSettingsStore::defaultFilePath());
}

void TestWidgetMonkey::randomPlay_data()
{
    QTest::addColumn<quint64>("seed");
    for (quint64 seed : {11ULL, 2024ULL, 77777ULL, 31337ULL})
        QTest::addRow("seed %llu", seed) << seed;
}

void TestWidgetMonkey::randomPlay()
{
    QFETCH(quint64, seed);
    QElapsedTimer clock;
    clock.start();
    WidgetMonkey monkey(seed);
    QString broken;
    for (int n = 0; n < kEventsPerSeed && broken.isEmpty(); ++n) {
        broken = monkey.step();
        if (!broken.isEmpty())
            broken = QStringLiteral("seed %1, event %2: %3\nthe last events, oldest first:\n  %4")
                         .arg(seed).arg(n).arg(broken, monkey.recentEvents());
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
    // Random play reaches every part of the game.
    QVERIFY(monkey.solves > 0);
    QVERIFY(monkey.windowsClosed.contains(QStringLiteral("frmHooray")));
    QVERIFY(monkey.windowsClosed.contains(QStringLiteral("frmNewRecord")));
    m_events += monkey.eventsRun;
    m_solves += monkey.solves;
    qInfo("seed %llu: %d events (%d drops, %d presses, %d ticks), %d solves, %lld windows closed, %lld ms",
          seed, monkey.eventsRun, monkey.drops, monkey.presses, monkey.ticks, monkey.solves,
          static_cast<long long>(monkey.windowsClosed.size()), static_cast<long long>(clock.elapsed()));
}

void TestWidgetMonkey::cleanupTestCase()
{
    qInfo("%d events through the main window, %d solves", m_events, m_solves);
}

QTEST_MAIN(TestWidgetMonkey)
#include "tst_widget_monkey.moc"
