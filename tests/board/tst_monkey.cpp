// Random play on the puzzle: every kind of move, in random order, from
// seeded sequences; after each move the puzzle must still make sense.
#include "board/Arrangement.h"
#include "board/Hints.h"
#include "core/Puzzle.h"
#include "support/PuzzleInvariants.h"
#include "support/SeededDie.h"

#include <QtTest>

#include <deque>
#include <random>

using namespace fw;

namespace {

constexpr std::int32_t kColours[] = {255, 0x00ffff, 0x00ff00, 0xffff00, 0xc0c0c0, 0};

struct Monkey {
    std::mt19937_64 pick;
    SeededDie die;
    Puzzle puzzle{die};
    int solves = 0;
    std::deque<QString> recent;

    explicit Monkey(std::uint64_t seed)
        : pick(seed)
        , die(seed ^ 0x9e3779b97f4a7c15ULL)
    {
        puzzle.solveReward = [this] { ++solves; };
        puzzle.startFirstPuzzle();
    }
    int upTo(int n) { return int(pick() % std::uint64_t(n + 1)); }

    DragSource anySource()
    {
        DragSource source;
        if (upTo(1) == 0)
            source.cell = CellRef{CellRef::Array::Number, upTo(7)};
        else
            source.cell = CellRef{CellRef::Array::Op, upTo(5)};
        // Mostly the colour the cell really has; now and then any colour.
        const bool isOp = source.cell.array == CellRef::Array::Op;
        source.backColor = upTo(9) == 0 ? kColours[upTo(5)] : (isOp ? 255 : 0x00ffff);
        return source;
    }

    QString step()
    {
        const int i = upTo(7);
        switch (upTo(13)) {
        case 0: case 1: case 2: {
            const DragSource s = anySource();
            txtGuess_DragDrop(puzzle, i, s);
            return QStringLiteral("drop %1(%2) colour %3 on txtGuess(%4)")
                .arg(s.cell.array == CellRef::Array::Op ? "txtOp" : "txtNumber")
                .arg(s.cell.index).arg(s.backColor).arg(i);
        }
        case 3: case 4: {
            const DragSource s = anySource();
            txtGuessOp_DragDrop(puzzle, i, s);
            return QStringLiteral("drop %1(%2) colour %3 on txtGuessOp(%4)")
                .arg(s.cell.array == CellRef::Array::Op ? "txtOp" : "txtNumber")
                .arg(s.cell.index).arg(s.backColor).arg(i);
        }
        case 5: case 6:
            txtGuess_MouseDown(puzzle, i);
            return QStringLiteral("press txtGuess(%1)").arg(i);
        case 7:
            txtGuessOp_MouseDown(puzzle, i);
            return QStringLiteral("press txtGuessOp(%1)").arg(i);
        case 8:
            txtNumber_DragDrop(puzzle, i, anySource());
            return QStringLiteral("drop on txtNumber(%1)").arg(i);
        case 9: {
            if (upTo(20) != 0)
                return QStringLiteral("tick");
            const int count = 2 + upTo(4);
            puzzle.cmdNums_Click(static_cast<std::int16_t>(count));
            return QStringLiteral("cmdNums(%1)").arg(count);
        }
        case 10:
            // A timer only ticks while it runs.
            if (upTo(20) != 0) {
                if (!puzzle.Timer1.running())
                    return QStringLiteral("no tick");
                puzzle.Timer1_Timer();
                return QStringLiteral("Timer1");
            }
            puzzle.cmdNew_Click();
            return QStringLiteral("New Game");
        case 11:
            cmdHint_Click(puzzle);
            return QStringLiteral("Hint");
        case 12:
            cmdAnswers_Click(puzzle);
            return QStringLiteral("Answer");
        default:
            if (!puzzle.Timer2.running())
                return QStringLiteral("no tick");
            Timer2_Timer(puzzle);
            return QStringLiteral("Timer2");
        }
    }
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomPlay_data();
    void randomPlay();
};

void TestMonkey::randomPlay_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<int>("events");
    for (quint64 seed = 1; seed <= 10; ++seed)
        QTest::addRow("seed %llu", seed) << seed * 7919 << 100000;
}

void TestMonkey::randomPlay()
{
    QFETCH(quint64, seed);
    QFETCH(int, events);
    Monkey monkey(seed);
    QString broken = checkPuzzleInvariants(monkey.puzzle);
    for (int n = 0; n < events && broken.isEmpty(); ++n) {
        monkey.recent.push_back(monkey.step());
        if (monkey.recent.size() > 40)
            monkey.recent.pop_front();
        broken = checkPuzzleInvariants(monkey.puzzle);
        if (!broken.isEmpty())
            broken = QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4")
                         .arg(seed).arg(n).arg(broken)
                         .arg(QStringList(monkey.recent.begin(), monkey.recent.end()).join("\n  "));
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
    // Random play does solve puzzles now and then.
    QVERIFY(monkey.solves > 0);
}

QTEST_APPLESS_MAIN(TestMonkey)
#include "tst_monkey.moc"
