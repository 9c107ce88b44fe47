#include "board/Hints.h"
#include "core/Puzzle.h"
#include "support/PuzzleInvariants.h"
#include "support/ScriptedDie.h"

#include <QtTest>

using namespace fw;

namespace {

// Which solution cells are on view: "x....x ....x".
QString shownSolution(const Puzzle &puzzle)
{
    return cellsOf(puzzle, Control::txtAnswer, 1, 6, true) + ' '
        + cellsOf(puzzle, Control::txtAnswerOp, 1, 5, true);
}

bool hintCountShown(const Puzzle &puzzle)
{
    for (Control label : {Control::lblHint1, Control::lblHint2, Control::lblHint3})
        if (!shown(puzzle, {label, -1})->visible)
            return false;
    return true;
}

} // namespace

class TestHints : public QObject {
    Q_OBJECT
private slots:
    // For each count, the cells a hint reveals for rolls 1..6 (one digit a
    // roll): two solution numbers from two rolls, and an operator (0: none)
    // from a third.
    void cellTables_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("numberCells");
        QTest::addColumn<int>("operatorCells");
        QTest::newRow("2") << 2 << 111122 << 111110;
        QTest::newRow("3") << 3 << 112223 << 111222;
        QTest::newRow("4") << 4 << 112334 << 112223;
        QTest::newRow("5") << 5 << 122345 << 112234;
        QTest::newRow("6") << 6 << 123456 << 122345;
    }

    void cellTables()
    {
        QFETCH(int, count);
        QFETCH(int, numberCells);
        QFETCH(int, operatorCells);
        QString numbers;
        QString operators;
        for (int roll = 1; roll <= 6; ++roll) {
            numbers += QString::number(hintNumberCell(count, roll));
            operators += QString::number(hintOperatorCell(count, roll));
        }
        QCOMPARE(numbers, QString::number(numberCells));
        QCOMPARE(operators, QString::number(operatorCells));
    }

    void hintShowsAndHides()
    {
        ScriptedDie die {1, 6, 6};
        Puzzle puzzle(die);
        puzzle.NumCount = 6;
        showHint(puzzle);
        QCOMPARE(shownSolution(puzzle), QString("x....x ....x"));
        QVERIFY(puzzle.Timer2.running());
        QCOMPARE(puzzle.Timer2.interval, 2000);
        QCOMPARE(textOf(puzzle, Control::lblHint3), QString("1"));
        QVERIFY(hintCountShown(puzzle));
        QVERIFY(!shown(puzzle, {Control::lblPeeked, -1})->visible); // a hint is no peek
        hideHint(puzzle);
        QCOMPARE(shownSolution(puzzle), QString("...... ....."));
        QVERIFY(!puzzle.Timer2.enabled);
        QVERIFY(hintCountShown(puzzle)); // only the solution goes
    }

    void hintsWithinTwoSeconds()
    {
        ScriptedDie die {1, 1, 1, /* second hint */ 3, 3, 6};
        Puzzle puzzle(die);
        puzzle.NumCount = 2;
        showHint(puzzle);
        const unsigned firstStart = puzzle.Timer2.starts;
        showHint(puzzle);                            // roll 6 with two numbers reveals no operator
        QVERIFY(puzzle.Timer2.starts != firstStart); // the two seconds start again
        QVERIFY(puzzle.Timer2.running());
        QCOMPARE(shownSolution(puzzle), QString("x..... x...."));
        QCOMPARE(textOf(puzzle, Control::lblHint3), QString("2"));
    }

    // "Answer" shows the whole solution of the count and hides it again; a
    // hint's two seconds running out hide it too. Either way it was peeked at.
    void answerToggles()
    {
        ScriptedDie die {2, 2, 2};
        Puzzle puzzle(die);
        puzzle.NumCount = 3;
        toggleAnswer(puzzle);
        QCOMPARE(shownSolution(puzzle), QString("xxx... xx..."));
        QVERIFY(puzzle.AnswersShown);
        QVERIFY(shown(puzzle, {Control::lblPeeked, -1})->visible);
        toggleAnswer(puzzle);
        QCOMPARE(shownSolution(puzzle), QString("...... ....."));
        QVERIFY(!puzzle.AnswersShown);
        QVERIFY(shown(puzzle, {Control::lblPeeked, -1})->visible);

        toggleAnswer(puzzle);
        showHint(puzzle);
        hideHint(puzzle);
        QCOMPARE(shownSolution(puzzle), QString("...... ....."));
        QVERIFY(!puzzle.AnswersShown);
        toggleAnswer(puzzle); // shows again rather than hiding
        QCOMPARE(shownSolution(puzzle), QString("xxx... xx..."));
    }

    void hintCountStopsAtLimit()
    {
        ScriptedDie die {3, 3, 3};
        Puzzle puzzle(die);
        puzzle.NumCount = 3;
        puzzle.HintsUsed = 32767;
        showHint(puzzle);
        QCOMPARE(textOf(puzzle, Control::lblHint3), QString("32767"));
    }
};

QTEST_APPLESS_MAIN(TestHints)
#include "tst_hints.moc"
