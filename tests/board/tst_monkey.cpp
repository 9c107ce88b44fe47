// Random play on the puzzle: every kind of move, in random order, from
// seeded sequences; after each move the puzzle must still make sense.
#include "board/Hints.h"
#include "board/Moves.h"
#include "core/Puzzle.h"
#include "support/PuzzleInvariants.h"
#include "support/SeededDie.h"

#include <QtTest>

#include <deque>
#include <random>

using namespace fw;

namespace {

constexpr int kControlKinds = int(Control::sbStatusBar) + 1;

struct Monkey {
    std::mt19937_64 pick;
    SeededDie die;
    Puzzle puzzle {die};
    int solves = 0;
    QString fault; // a move's own report that disagrees with the puzzle
    std::deque<QString> recent;

    explicit Monkey(std::uint64_t seed)
        : pick(seed)
        , die(seed ^ 0x9e3779b97f4a7c15ULL)
    {
        puzzle.start();
    }
    int upTo(int n) { return int(pick() % std::uint64_t(n + 1)); }

    // Mostly the cells a move is meant for; now and then any control, with
    // any index from -1 to 7.
    ControlId anyControl(Control usual, Control other)
    {
        const int r = upTo(9);
        const Control kind = r < 5 ? usual : r < 9 ? other : Control(upTo(kControlKinds - 1));
        return {kind, upTo(8) - 1};
    }

    // Plays one event and tells what it was.
    QString step()
    {
        const int r = upTo(12);
        if (r < 8) {
            const ControlId target = anyControl(Control::txtGuess, Control::txtGuessOp);
            const ControlId source = anyControl(Control::txtNumber, Control::txtOp);
            if (r < 5 ? drop(puzzle, target, source) : press(puzzle, target)) {
                ++solves;
                if (!puzzle.Done || puzzle.Total != puzzle.Target)
                    fault = QStringLiteral("a move reported a solve the puzzle does not show");
            }
            const QString where = QString::fromStdString(controlName(target));
            return r < 5 ? QStringLiteral("drop %1 on %2")
                               .arg(QString::fromStdString(controlName(source)), where)
                         : QStringLiteral("press ") + where;
        }
        if (r == 8) {
            // A timer only ticks while it runs.
            if (puzzle.Timer1.running() && upTo(20) != 0) {
                puzzle.tick();
                return QStringLiteral("Timer1");
            }
            if (upTo(1) == 0) {
                puzzle.NewPuzzle();
                return QStringLiteral("New Game");
            }
            const int count = 2 + upTo(4);
            puzzle.chooseCount(static_cast<std::int16_t>(count));
            return QStringLiteral("cmdNums(%1)").arg(count);
        }
        if (r == 9) {
            showHint(puzzle);
            return QStringLiteral("Hint");
        }
        if (r == 10) {
            toggleAnswer(puzzle);
            return QStringLiteral("Answer");
        }
        if (!puzzle.Timer2.running())
            return QStringLiteral("no tick");
        hideHint(puzzle);
        return QStringLiteral("Timer2");
    }
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomPlay_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("events");
        for (quint64 seed = 1; seed <= 10; ++seed)
            QTest::addRow("seed %llu", seed) << seed * 7919 << 100000;
    }

    void randomPlay()
    {
        QFETCH(quint64, seed);
        QFETCH(int, events);
        Monkey monkey(seed);
        QString broken = checkPuzzleInvariants(monkey.puzzle);
        int n = 0;
        for (; n < events && broken.isEmpty(); ++n) {
            monkey.recent.push_back(monkey.step());
            if (monkey.recent.size() > 40)
                monkey.recent.pop_front();
            broken = monkey.fault.isEmpty() ? checkPuzzleInvariants(monkey.puzzle) : monkey.fault;
        }
        const QString last = QStringList(monkey.recent.begin(), monkey.recent.end()).join("\n  ");
        QVERIFY2(broken.isEmpty(),
            qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4")
                           .arg(seed)
                           .arg(n - 1)
                           .arg(broken, last)));
        // Random play does solve puzzles now and then.
        QVERIFY(monkey.solves > 0);
    }
};

QTEST_APPLESS_MAIN(TestMonkey)
#include "tst_monkey.moc"
