#include "board/Hints.h"
#include "board/Moves.h"
#include "core/Puzzle.h"
#include "support/PuzzleInvariants.h"
#include "support/ScriptedDie.h"

#include <QtTest>

using namespace fw;

namespace {

// Faces for one new puzzle of `count` numbers: six pool draws, then an
// all-addition arrangement in slot order.
std::vector<int> puzzleFaces(const std::vector<int> &pool, int count)
{
    std::vector<int> faces = pool;
    for (int j = 1; j <= count; ++j) {
        faces.push_back(j);
        if (j < count)
            faces.push_back(1);
    }
    return faces;
}

// Which pool, row and operator cells are visible, and which count button
// is large (14 points) and which small (10): "xxx... xxx... xx... sLsss".
QString layout(const Puzzle &puzzle)
{
    QString buttons;
    for (int n = 2; n <= 6; ++n) {
        const double points = shown(puzzle, {Control::cmdNums, n})->points.value_or(0);
        buttons += points == 14.0 ? 'L' : points == 10.0 ? 's' : '?';
    }
    return cellsOf(puzzle, Control::txtNumber, 1, 6, true) + ' '
        + cellsOf(puzzle, Control::txtGuess, 1, 6, true) + ' '
        + cellsOf(puzzle, Control::txtGuessOp, 1, 5, true) + ' ' + buttons;
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
private slots:
    void firstPuzzle()
    {
        ScriptedDie die;
        die.push(puzzleFaces({4, 2, 5, 6, 1, 3}, 3));
        Puzzle puzzle(die);
        puzzle.start();

        // The target, the pool, and a hidden pool cell keeping the number drawn for it.
        QCOMPARE(cellsOf(puzzle, Control::txtNumber, 0, 4), QString("11|4|2|5|6"));
        QCOMPARE(textOf(puzzle, Control::txtTimer), QString("00"));
        QVERIFY(puzzle.Timer1.running());
        QCOMPARE(puzzle.Timer1.interval, 1000);
        QCOMPARE(layout(puzzle), QString("xxx... xxx... xx... sLsss"));
        QCOMPARE(cellsOf(puzzle, Control::txtAnswer, 1, 6, true), QString("......"));
        QCOMPARE(cellsOf(puzzle, Control::txtAnswerOp, 1, 5, true), QString("....."));
        for (Control label : {Control::lblPeeked, Control::lblHint1, Control::lblHint2,
                 Control::lblHint3, Control::lblDone})
            QVERIFY2(!shown(puzzle, {label, -1})->visible, controlName({label, -1}).c_str());
        QCOMPARE(checkPuzzleInvariants(puzzle), QString());
    }

    void countChanges_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("visible");
        QTest::newRow("6 to 3") << 6 << 3 << "xxx... xxx... xx... sLsss";
        QTest::newRow("3 to 6") << 3 << 6 << "xxxxxx xxxxxx xxxxx ssssL";
        QTest::newRow("6 to 2") << 6 << 2 << "xx.... xx.... x.... Lssss";
        QTest::newRow("2 to 5") << 2 << 5 << "xxxxx. xxxxx. xxxx. sssLs";
        QTest::newRow("same count again") << 4 << 4 << "xxxx.. xxxx.. xxx.. ssLss";
    }

    void countChanges()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, visible);
        ScriptedDie die;
        die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, from));
        die.push(puzzleFaces({6, 5, 4, 3, 2, 1}, to));
        Puzzle puzzle(die);
        puzzle.chooseCount(static_cast<std::int16_t>(from));
        placeNumber(puzzle, 1, 1); // the next puzzle clears the row
        puzzle.chooseCount(static_cast<std::int16_t>(to));

        QCOMPARE(layout(puzzle), visible);
        QCOMPARE(cellsOf(puzzle, Control::txtNumber, 1, 6), QString("6|5|4|3|2|1"));
        QCOMPARE(die.left(), std::size_t(0));
        QCOMPARE(checkPuzzleInvariants(puzzle), QString());
    }

    // Operators in the row stay through new puzzles, also in gaps hidden for a
    // while by a smaller count.
    void operatorsSurviveNewPuzzle()
    {
        ScriptedDie die;
        die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 6));
        die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 2));
        die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 6));
        Puzzle puzzle(die);
        puzzle.chooseCount(6);
        placeOperator(puzzle, 2, 4);
        placeOperator(puzzle, 5, 3);
        puzzle.chooseCount(2);
        QCOMPARE(cellsOf(puzzle, Control::txtGuessOp, 1, 5), QString("|X||| /"));
        QCOMPARE(cellsOf(puzzle, Control::txtGuessOp, 1, 5, true), QString("x...."));
        puzzle.chooseCount(6);
        QCOMPARE(cellsOf(puzzle, Control::txtGuessOp, 1, 5), QString("|X||| /"));
        QCOMPARE(cellsOf(puzzle, Control::txtGuessOp, 1, 5, true), QString("xxxxx"));
    }

    // A solution revealed by "Answer" stays for the next puzzle of "New Game",
    // showing that puzzle's solution; a count button hides it. Both forget the
    // peek and the hints.
    void revealedSolution_data()
    {
        QTest::addColumn<int>("count"); // 0: "New Game"
        QTest::addColumn<QString>("answers");
        QTest::newRow("New Game keeps it") << 0 << "xxx...";
        QTest::newRow("a count button hides it") << 3 << "......";
    }

    void revealedSolution()
    {
        QFETCH(int, count);
        QFETCH(QString, answers);
        ScriptedDie die;
        die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 3));
        die.push({1, 1, 1}); // the hint
        die.push(puzzleFaces({3, 3, 3, 4, 5, 6}, 3));
        Puzzle puzzle(die);
        puzzle.start();
        showHint(puzzle);
        toggleAnswer(puzzle);
        if (count == 0)
            puzzle.NewPuzzle();
        else
            puzzle.chooseCount(static_cast<std::int16_t>(count));

        QCOMPARE(puzzle.AnswersShown, count == 0);
        QCOMPARE(cellsOf(puzzle, Control::txtAnswer, 1, 6, true), answers);
        QCOMPARE(cellsOf(puzzle, Control::txtAnswerOp, 1, 2, true), answers.left(2));
        QCOMPARE(cellsOf(puzzle, Control::txtAnswer, 1, 3), QString("3|3|3"));
        QVERIFY(!shown(puzzle, {Control::lblPeeked, -1})->visible);
        QVERIFY(!shown(puzzle, {Control::lblHint3, -1})->visible);
        QCOMPARE(textOf(puzzle, Control::lblHint3), QString("0"));
    }

    void clock_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("first ticks") << 0 << QStringList {"1", "2", "3"};
        QTest::newRow("cap alternates 9999 and 10000")
            << 9998 << QStringList {"9999", "10000", "9999", "10000", "9999"};
    }

    void clock()
    {
        QFETCH(int, start);
        QFETCH(QStringList, shown);
        ScriptedDie die;
        Puzzle puzzle(die);
        puzzle.ElapsedSecs = static_cast<std::int16_t>(start);
        for (const QString &text : shown) {
            puzzle.tick();
            QCOMPARE(textOf(puzzle, Control::txtTimer), text);
            QVERIFY(puzzle.Timer1.running());
            QCOMPARE(puzzle.Timer1.interval, 1000);
        }
    }

    void newPuzzleRestartsStoppedClock()
    {
        ScriptedDie die;
        die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 3)); // 1 + 2 + 3 = 6
        die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 3));
        Puzzle puzzle(die);
        puzzle.start();
        puzzle.tick();
        puzzle.tick();
        placeNumber(puzzle, 1, 1);
        placeNumber(puzzle, 2, 2);
        QVERIFY(placeNumber(puzzle, 3, 3)); // solved: the clock stops
        QVERIFY(!puzzle.Timer1.running());
        const unsigned starts = puzzle.Timer1.starts;
        puzzle.NewPuzzle();
        QVERIFY(puzzle.Timer1.running());
        QVERIFY(puzzle.Timer1.starts != starts);
        QCOMPARE(int(puzzle.ElapsedSecs), 0);
        QVERIFY(!puzzle.Done);
        // The clock keeps showing its last second until the next tick.
        QCOMPARE(textOf(puzzle, Control::txtTimer), QString("2"));
        puzzle.tick();
        QCOMPARE(textOf(puzzle, Control::txtTimer), QString("1"));
    }
};

QTEST_APPLESS_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
