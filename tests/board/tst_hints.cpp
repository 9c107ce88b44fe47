#include "board/Hints.h"
#include "core/Puzzle.h"
#include "support/ScriptedDie.h"

#include <QtTest>

using namespace fw;

namespace {

QString shownSolution(const Puzzle &puzzle)
{
    QString out;
    for (int k = 1; k <= 6; ++k)
        out += puzzle.txtAnswer[k].visible ? QChar('0' + k) : QChar('.');
    out += ' ';
    for (int j = 1; j <= 5; ++j)
        out += puzzle.txtAnswerOp[j].visible ? QChar('0' + j) : QChar('.');
    return out;
}

} // namespace

class TestHints : public QObject {
    Q_OBJECT
private slots:
    void numberCellTable_data();
    void numberCellTable();
    void operatorCellTable_data();
    void operatorCellTable();
    void hintShowsAndHides();
    void hintsWithinTwoSeconds();
    void answerThenHint();
    void answerTwice();
    void hintCountStopsAtLimit();
};

void TestHints::numberCellTable_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("cells"); // for rolls 1..6
    QTest::newRow("2") << 2 << QList<int>{1, 1, 1, 1, 2, 2};
    QTest::newRow("3") << 3 << QList<int>{1, 1, 2, 2, 2, 3};
    QTest::newRow("4") << 4 << QList<int>{1, 1, 2, 3, 3, 4};
    QTest::newRow("5") << 5 << QList<int>{1, 2, 2, 3, 4, 5};
    QTest::newRow("6") << 6 << QList<int>{1, 2, 3, 4, 5, 6};
}

void TestHints::numberCellTable()
{
    QFETCH(int, count);
    QFETCH(QList<int>, cells);
    for (int roll = 1; roll <= 6; ++roll)
        QCOMPARE(hintNumberCell(count, roll), cells[roll - 1]);
}

void TestHints::operatorCellTable_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("cells"); // 0: no operator revealed
    QTest::newRow("2") << 2 << QList<int>{1, 1, 1, 1, 1, 0};
    QTest::newRow("3") << 3 << QList<int>{1, 1, 1, 2, 2, 2};
    QTest::newRow("4") << 4 << QList<int>{1, 1, 2, 2, 2, 3};
    QTest::newRow("5") << 5 << QList<int>{1, 1, 2, 2, 3, 4};
    QTest::newRow("6") << 6 << QList<int>{1, 2, 2, 3, 4, 5};
}

void TestHints::operatorCellTable()
{
    QFETCH(int, count);
    QFETCH(QList<int>, cells);
    for (int roll = 1; roll <= 6; ++roll)
        QCOMPARE(hintOperatorCell(count, roll), cells[roll - 1]);
}

void TestHints::hintShowsAndHides()
{
    ScriptedDie die{1, 6, 6};
    Puzzle puzzle(die);
    puzzle.NumCount = 6;
    puzzle.hideSolution();
    cmdHint_Click(puzzle);
    QCOMPARE(shownSolution(puzzle), QString("1....6 ....5"));
    QVERIFY(puzzle.Timer2.running());
    QCOMPARE(puzzle.Timer2.interval, 2000);
    QCOMPARE(puzzle.lblHint3.text, std::string("1"));
    QVERIFY(puzzle.lblHint1.visible && puzzle.lblHint2.visible && puzzle.lblHint3.visible);
    Timer2_Timer(puzzle);
    QCOMPARE(shownSolution(puzzle), QString("...... ....."));
    QVERIFY(!puzzle.Timer2.enabled);
    // The hint labels stay; only the solution goes.
    QVERIFY(puzzle.lblHint3.visible);
}

void TestHints::hintsWithinTwoSeconds()
{
    ScriptedDie die{1, 1, 1, /* second hint */ 3, 3, 6};
    Puzzle puzzle(die);
    puzzle.NumCount = 2;
    puzzle.hideSolution();
    cmdHint_Click(puzzle);
    const unsigned firstStart = puzzle.Timer2.starts;
    cmdHint_Click(puzzle); // roll 6 with two numbers reveals no operator
    QVERIFY(puzzle.Timer2.starts != firstStart); // the countdown starts again
    QCOMPARE(shownSolution(puzzle), QString("1..... 1...."));
    QCOMPARE(puzzle.lblHint3.text, std::string("2"));
    QCOMPARE(int(puzzle.HintsUsed), 2);
}

void TestHints::answerThenHint()
{
    ScriptedDie die{2, 2, 2};
    Puzzle puzzle(die);
    puzzle.NumCount = 3;
    puzzle.hideSolution();
    puzzle.lblPeeked.visible = false;
    cmdAnswers_Click(puzzle);
    QCOMPARE(shownSolution(puzzle), QString("123... 12..."));
    QVERIFY(puzzle.AnswersShown);
    cmdHint_Click(puzzle);
    Timer2_Timer(puzzle);
    QCOMPARE(shownSolution(puzzle), QString("...... ....."));
    QVERIFY(!puzzle.AnswersShown);
    cmdAnswers_Click(puzzle);
    QCOMPARE(shownSolution(puzzle), QString("123... 12..."));
    QVERIFY(puzzle.lblPeeked.visible);
}

void TestHints::answerTwice()
{
    ScriptedDie die;
    Puzzle puzzle(die);
    puzzle.NumCount = 4;
    puzzle.hideSolution();
    puzzle.lblPeeked.visible = false;
    cmdAnswers_Click(puzzle);
    QCOMPARE(shownSolution(puzzle), QString("1234.. 123.."));
    cmdAnswers_Click(puzzle);
    QCOMPARE(shownSolution(puzzle), QString("...... ....."));
    QVERIFY(puzzle.lblPeeked.visible);
    QVERIFY(!puzzle.AnswersShown);
}

void TestHints::hintCountStopsAtLimit()
{
    ScriptedDie die{3, 3, 3};
    Puzzle puzzle(die);
    puzzle.NumCount = 3;
    puzzle.HintsUsed = 32767;
    cmdHint_Click(puzzle);
    QCOMPARE(int(puzzle.HintsUsed), 32767);
    QCOMPARE(puzzle.lblHint3.text, std::string("32767"));
}

QTEST_APPLESS_MAIN(TestHints)
#include "tst_hints.moc"
