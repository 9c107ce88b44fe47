#include "core/Puzzle.h"
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

QString visibleCells(const Puzzle &puzzle)
{
    QString out;
    for (int i = 1; i <= 6; ++i)
        out += puzzle.txtNumber[i].visible ? 'N' : '.';
    out += ' ';
    for (int i = 1; i <= 6; ++i)
        out += puzzle.txtGuess[i].visible ? 'G' : '.';
    out += ' ';
    for (int j = 1; j <= 5; ++j)
        out += puzzle.txtGuessOp[j].visible ? 'O' : '.';
    return out;
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
private slots:
    void firstPuzzle();
    void countChanges_data();
    void countChanges();
    void operatorsSurviveNewPuzzle();
    void newGameKeepsRevealedSolution();
    void countButtonHidesRevealedSolution();
    void clock_data();
    void clock();
    void newPuzzleRestartsStoppedClock();
};

void TestLifecycle::firstPuzzle()
{
    ScriptedDie die;
    die.push(puzzleFaces({4, 2, 5, 6, 1, 3}, 3));
    Puzzle puzzle(die);
    puzzle.startFirstPuzzle();

    QCOMPARE(int(puzzle.NumCount), 3);
    QCOMPARE(puzzle.txtNumber[1].text, std::string("4"));
    QCOMPARE(puzzle.txtNumber[3].text, std::string("5"));
    // A hidden pool cell keeps the number drawn for it.
    QCOMPARE(puzzle.txtNumber[4].text, std::string("6"));
    QCOMPARE(int(puzzle.Numbers[4]), 0);
    QCOMPARE(puzzle.txtNumber[0].text, std::string("11"));
    QCOMPARE(puzzle.txtCurrentTotal.text, std::string("0"));
    QCOMPARE(puzzle.txtTimer.text, std::string("00"));
    QVERIFY(puzzle.Timer1.running());
    QCOMPARE(puzzle.Timer1.interval, 1000);
    QCOMPARE(visibleCells(puzzle), QString("NNN... GGG... OO..."));
    for (int k = 1; k <= 6; ++k)
        QVERIFY(!puzzle.txtAnswer[k].visible);
    for (int j = 1; j <= 5; ++j)
        QVERIFY(!puzzle.txtAnswerOp[j].visible);
    QVERIFY(!puzzle.lblPeeked.visible);
    QVERIFY(!puzzle.lblHint1.visible && !puzzle.lblHint2.visible && !puzzle.lblHint3.visible);
    QVERIFY(!puzzle.lblDone.visible);
    QCOMPARE(puzzle.cmdNumsFontSize[3], 14.0);
    QCOMPARE(puzzle.cmdNumsFontSize[2], 10.0);
    QCOMPARE(puzzle.cmdNumsFontSize[6], 10.0);
}

void TestLifecycle::countChanges_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("visible");
    QTest::newRow("6 to 3") << 6 << 3 << "NNN... GGG... OO...";
    QTest::newRow("3 to 6") << 3 << 6 << "NNNNNN GGGGGG OOOOO";
    QTest::newRow("6 to 2") << 6 << 2 << "NN.... GG.... O....";
    QTest::newRow("2 to 5") << 2 << 5 << "NNNNN. GGGGG. OOOO.";
    QTest::newRow("same count again") << 4 << 4 << "NNNN.. GGGG.. OOO..";
}

void TestLifecycle::countChanges()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, visible);
    ScriptedDie die;
    die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, from));
    die.push(puzzleFaces({6, 5, 4, 3, 2, 1}, to));
    Puzzle puzzle(die);
    puzzle.cmdNums_Click(static_cast<std::int16_t>(from));
    // A number left in the row is cleared by the next puzzle.
    puzzle.GuessNums[1] = 1;
    puzzle.txtGuess[1].text = "1";
    puzzle.cmdNums_Click(static_cast<std::int16_t>(to));
    QCOMPARE(visibleCells(puzzle), visible);
    QCOMPARE(int(puzzle.NumCount), to);
    for (int i = 1; i <= 6; ++i) {
        QCOMPARE(puzzle.txtGuess[i].text, std::string());
        QCOMPARE(int(puzzle.GuessNums[i]), 0);
        QCOMPARE(int(puzzle.Numbers[i]), i <= to ? 7 - i : 0);
    }
    for (int n = 2; n <= 6; ++n)
        QCOMPARE(puzzle.cmdNumsFontSize[n], n == to ? 14.0 : 10.0);
    QCOMPARE(die.left(), std::size_t(0));
}

void TestLifecycle::operatorsSurviveNewPuzzle()
{
    ScriptedDie die;
    die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 6));
    die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 2));
    die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 6));
    Puzzle puzzle(die);
    puzzle.cmdNums_Click(6);
    puzzle.txtGuessOp[2].text = "X";
    puzzle.txtGuessOp[5].text = " /";
    puzzle.cmdNums_Click(2);
    QCOMPARE(puzzle.txtGuessOp[2].text, std::string("X"));
    QVERIFY(!puzzle.txtGuessOp[2].visible);
    puzzle.cmdNums_Click(6);
    QCOMPARE(puzzle.txtGuessOp[2].text, std::string("X"));
    QCOMPARE(puzzle.txtGuessOp[5].text, std::string(" /"));
    QVERIFY(puzzle.txtGuessOp[2].visible);
}

void TestLifecycle::newGameKeepsRevealedSolution()
{
    ScriptedDie die;
    die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 3));
    die.push(puzzleFaces({3, 3, 3, 4, 5, 6}, 3));
    Puzzle puzzle(die);
    puzzle.startFirstPuzzle();
    // What "Answer" leaves behind.
    puzzle.AnswersShown = true;
    for (int k = 1; k <= 3; ++k)
        puzzle.txtAnswer[k].visible = true;
    puzzle.txtAnswerOp[1].visible = puzzle.txtAnswerOp[2].visible = true;
    puzzle.lblPeeked.visible = true;

    puzzle.cmdNew_Click();
    QVERIFY(puzzle.AnswersShown);
    QVERIFY(puzzle.txtAnswer[1].visible && puzzle.txtAnswerOp[2].visible);
    QCOMPARE(puzzle.txtAnswer[2].text, std::string("3"));
    QVERIFY(!puzzle.lblPeeked.visible);
}

void TestLifecycle::countButtonHidesRevealedSolution()
{
    ScriptedDie die;
    die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 3));
    die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 3));
    Puzzle puzzle(die);
    puzzle.startFirstPuzzle();
    puzzle.AnswersShown = true;
    puzzle.txtAnswer[2].visible = true;
    puzzle.txtAnswerOp[1].visible = true;
    puzzle.cmdNums_Click(3);
    QVERIFY(!puzzle.AnswersShown);
    QVERIFY(!puzzle.txtAnswer[2].visible);
    QVERIFY(!puzzle.txtAnswerOp[1].visible);
}

void TestLifecycle::clock_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("first ticks") << 0 << QStringList{"1", "2", "3"};
    QTest::newRow("cap alternates 9999 and 10000")
        << 9998 << QStringList{"9999", "10000", "9999", "10000", "9999"};
}

void TestLifecycle::clock()
{
    QFETCH(int, start);
    QFETCH(QStringList, shown);
    ScriptedDie die;
    Puzzle puzzle(die);
    puzzle.ElapsedSecs = static_cast<std::int16_t>(start);
    for (const QString &text : shown) {
        puzzle.Timer1_Timer();
        QCOMPARE(QString::fromStdString(puzzle.txtTimer.text), text);
        QVERIFY(puzzle.Timer1.running());
        QCOMPARE(puzzle.Timer1.interval, 1000);
    }
}

void TestLifecycle::newPuzzleRestartsStoppedClock()
{
    ScriptedDie die;
    die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 3));
    die.push(puzzleFaces({1, 2, 3, 4, 5, 6}, 3));
    Puzzle puzzle(die);
    puzzle.startFirstPuzzle();
    puzzle.Timer1_Timer();
    puzzle.Timer1_Timer();
    puzzle.Timer1.disable(); // as a solve leaves it
    const unsigned starts = puzzle.Timer1.starts;
    puzzle.cmdNew_Click();
    QVERIFY(puzzle.Timer1.running());
    QVERIFY(puzzle.Timer1.starts != starts);
    QCOMPARE(int(puzzle.ElapsedSecs), 0);
    // The clock keeps showing the last value until the next tick.
    QCOMPARE(puzzle.txtTimer.text, std::string("2"));
    puzzle.Timer1_Timer();
    QCOMPARE(puzzle.txtTimer.text, std::string("1"));
}

QTEST_APPLESS_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
