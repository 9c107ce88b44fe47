#include "core/Puzzle.h"
#include "support/PuzzleInvariants.h"
#include "support/ScriptedDie.h"

#include <QtTest>

using namespace fw;

namespace {

// Puts a row straight into the puzzle, written as the player sees it:
// numbers ("_" an empty cell) between operators ("+", "--", "X", "/", or
// "." for an empty cell). Cells after a "|" lie beyond the count.
void setRow(Puzzle &puzzle, const QString &row)
{
    int cell = 1;
    int count = 0;
    for (const QString &token : row.split(' ')) {
        if (token == "|")
            count = cell - 1;
        else if (token == "_" || token.front().isDigit())
            puzzle.GuessNums[cell++] = static_cast<std::int16_t>(token.toInt()); // "_" gives 0
        else // "." is no operator: code 0
            puzzle.GuessOps[cell - 1]
                = operatorFromCode(int(QStringList {"+", "--", "X", "/"}.indexOf(token)) + 1);
    }
    puzzle.NumCount = static_cast<std::int16_t>(count > 0 ? count : cell - 1);
}

} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT
private slots:
    void runningTotal_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("total");
        QTest::newRow("empty row") << "_ . _ . _" << 0;
        QTest::newRow("first cell only") << "5 X _ X _" << 5;
        QTest::newRow("left to right, no precedence") << "3 + 4 X 2" << 14;
        QTest::newRow("empty middle cell skipped with its operator") << "3 X _ + 4" << 7;
        QTest::newRow("empty operator adds") << "2 . 5" << 7;
        QTest::newRow("divide truncates") << "3 + 4 / 2" << 3;
        QTest::newRow("divide truncates toward zero") << "2 -- 5 / 2" << -1;
        QTest::newRow("subtract below zero") << "1 -- 6" << -5;
        QTest::newRow("empty first cell starts at 0") << "_ X 6 -- 2" << -2;
        QTest::newRow("beyond 16 bits") << "6 X 6 X 6 X 6 X 6 X 6" << 46656;
        QTest::newRow("cells beyond the count ignored") << "2 + 3 | X 4" << 5;
    }

    void runningTotal()
    {
        QFETCH(QString, row);
        QFETCH(int, total);
        ScriptedDie die;
        Puzzle puzzle(die);
        puzzle.Target = 999;
        setRow(puzzle, row);
        QVERIFY(!puzzle.EvaluateGuess());
        QCOMPARE(textOf(puzzle, Control::txtCurrentTotal), QString::number(total));
    }

    void completion_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("peeked");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<Closing>("closing"); // what a solve says
        const Closing wayToGo = Closing::WayToGo;
        QTest::newRow("solved") << "5 X 4 + 2" << 22 << false << true << wayToGo;
        QTest::newRow("solved after peeking")
            << "5 X 4 + 2" << 22 << true << true << Closing::YoureDone;
        QTest::newRow("middle cell empty still solves")
            << "3 . _ + 4" << 7 << false << true << wayToGo;
        QTest::newRow("first cell empty never solves")
            << "_ . 3 + 4" << 7 << false << false << wayToGo;
        QTest::newRow("last cell empty never solves")
            << "3 + 4 + _" << 7 << false << false << wayToGo;
        QTest::newRow("wrong total") << "3 + 4 + 1" << 7 << false << false << wayToGo;
        QTest::newRow("two numbers") << "6 / 3" << 2 << false << true << wayToGo;
    }

    void completion()
    {
        QFETCH(QString, row);
        QFETCH(int, target);
        QFETCH(bool, peeked);
        QFETCH(bool, solved);
        QFETCH(Closing, closing);
        ScriptedDie die;
        Puzzle puzzle(die);
        puzzle.Timer1.restart(1000);
        puzzle.Peeked = peeked;
        puzzle.Target = static_cast<std::int16_t>(target);
        setRow(puzzle, row);

        QCOMPARE(puzzle.EvaluateGuess(), solved);
        QCOMPARE(puzzle.Timer1.enabled, !solved);
        QCOMPARE(shown(puzzle, {Control::lblDone, -1})->visible, solved);
        if (solved)
            QVERIFY(closingOf(puzzle) == closing);
    }

    void solveAgainAfterTakingBack()
    {
        ScriptedDie die;
        Puzzle puzzle(die);
        puzzle.Target = 9;
        setRow(puzzle, "4 + 5");
        QVERIFY(puzzle.EvaluateGuess());
        setRow(puzzle, "4 + _");
        QVERIFY(!puzzle.EvaluateGuess());
        QVERIFY(!puzzle.Timer1.enabled);
        QVERIFY(puzzle.Done); // the closing message stays until the next puzzle
        setRow(puzzle, "4 + 5");
        QVERIFY(puzzle.EvaluateGuess());
    }
};

QTEST_APPLESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
