#include "core/Puzzle.h"
#include "support/ScriptedDie.h"

#include <QtTest>

using namespace fw;

namespace {

// Puts a row straight into the model: numbers (0 = empty cell) and the
// texts of the operator cells between them.
void setRow(Puzzle &puzzle, const QList<int> &numbers, const QStringList &ops)
{
    puzzle.NumCount = static_cast<std::int16_t>(numbers.size());
    for (int i = 0; i < numbers.size(); ++i) {
        puzzle.GuessNums[i + 1] = static_cast<std::int16_t>(numbers[i]);
        puzzle.txtGuess[i + 1].text = numbers[i] > 0 ? std::to_string(numbers[i]) : "";
    }
    for (int j = 0; j < ops.size(); ++j)
        puzzle.txtGuessOp[j + 1].text = ops[j].toStdString();
}

} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT
private slots:
    void runningTotal_data();
    void runningTotal();
    void completion_data();
    void completion();
    void solveAgainAfterTakingBack();
};

void TestEvaluation::runningTotal_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("ops");
    QTest::addColumn<QString>("total");
    QTest::newRow("empty row") << QList<int>{0, 0, 0} << QStringList{"", ""} << "0";
    QTest::newRow("first cell only") << QList<int>{5, 0, 0} << QStringList{"X", "X"} << "5";
    QTest::newRow("left to right, no precedence") << QList<int>{3, 4, 2} << QStringList{"+", "X"} << "14";
    QTest::newRow("empty middle cell skipped with its operator")
        << QList<int>{3, 0, 4} << QStringList{"X", "+"} << "7";
    QTest::newRow("empty operator adds") << QList<int>{2, 5} << QStringList{""} << "7";
    QTest::newRow("unknown text adds") << QList<int>{2, 5} << QStringList{"x"} << "7";
    QTest::newRow("slash without blank adds") << QList<int>{6, 2} << QStringList{"/"} << "8";
    QTest::newRow("divide truncates") << QList<int>{3, 4, 2} << QStringList{"+", " /"} << "3";
    QTest::newRow("divide truncates toward zero")
        << QList<int>{2, 5, 2} << QStringList{"--", " /"} << "-1";
    QTest::newRow("subtract below zero") << QList<int>{1, 6} << QStringList{"--"} << "-5";
    QTest::newRow("empty first cell starts at 0") << QList<int>{0, 6, 2} << QStringList{"X", "--"} << "-2";
    QTest::newRow("beyond 16 bits") << QList<int>{6, 6, 6, 6, 6, 6}
                                    << QStringList{"X", "X", "X", "X", "X"} << "46656";
    QTest::newRow("cells beyond the count ignored") << QList<int>{2, 3} << QStringList{"+", "X"} << "5";
}

void TestEvaluation::runningTotal()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, ops);
    QFETCH(QString, total);
    ScriptedDie die;
    Puzzle puzzle(die);
    puzzle.txtNumber[0].text = "999";
    setRow(puzzle, numbers, ops);
    if (QTest::currentDataTag() == QByteArray("cells beyond the count ignored")) {
        puzzle.GuessNums[3] = 4;
        puzzle.txtGuess[3].text = "4";
    }
    puzzle.EvaluateGuess();
    QCOMPARE(QString::fromStdString(puzzle.txtCurrentTotal.text), total);
}

void TestEvaluation::completion_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("ops");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("peeked");
    QTest::addColumn<QString>("done"); // empty: not solved
    QTest::newRow("solved") << QList<int>{5, 4, 2} << QStringList{"X", "+"} << "22" << false << "!!!Way to go!!!";
    QTest::newRow("solved after peeking") << QList<int>{5, 4, 2} << QStringList{"X", "+"} << "22" << true << "You're done!";
    QTest::newRow("middle cell empty still solves")
        << QList<int>{3, 0, 4} << QStringList{"", "+"} << "7" << false << "!!!Way to go!!!";
    QTest::newRow("first cell empty never solves")
        << QList<int>{0, 3, 4} << QStringList{"", "+"} << "7" << false << "";
    QTest::newRow("last cell empty never solves")
        << QList<int>{3, 4, 0} << QStringList{"+", "+"} << "7" << false << "";
    QTest::newRow("wrong total") << QList<int>{3, 4, 1} << QStringList{"+", "+"} << "7" << false << "";
    QTest::newRow("two numbers") << QList<int>{6, 3} << QStringList{" /"} << "2" << false << "!!!Way to go!!!";
}

void TestEvaluation::completion()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, ops);
    QFETCH(QString, target);
    QFETCH(bool, peeked);
    QFETCH(QString, done);
    ScriptedDie die;
    Puzzle puzzle(die);
    int rewards = 0;
    QString doneWhenRewarded;
    puzzle.solveReward = [&] {
        ++rewards;
        doneWhenRewarded = QString::fromStdString(puzzle.lblDone.text);
        QVERIFY(!puzzle.Timer1.enabled); // the clock stops before the reward
    };
    puzzle.Timer1.restart(1000);
    puzzle.lblPeeked.visible = peeked;
    puzzle.txtNumber[0].text = target.toStdString();
    setRow(puzzle, numbers, ops);
    puzzle.EvaluateGuess();

    const bool solved = !done.isEmpty();
    QCOMPARE(rewards, solved ? 1 : 0);
    QCOMPARE(puzzle.Timer1.enabled, !solved);
    QCOMPARE(puzzle.lblDone.visible, solved);
    if (solved) {
        QCOMPARE(QString::fromStdString(puzzle.lblDone.text), done);
        QCOMPARE(doneWhenRewarded, done);
    }
}

void TestEvaluation::solveAgainAfterTakingBack()
{
    ScriptedDie die;
    Puzzle puzzle(die);
    int rewards = 0;
    puzzle.solveReward = [&] { ++rewards; };
    puzzle.txtNumber[0].text = "9";
    setRow(puzzle, {4, 5}, {"+"});
    puzzle.EvaluateGuess();
    QCOMPARE(rewards, 1);
    setRow(puzzle, {4, 0}, {"+"});
    puzzle.EvaluateGuess();
    QCOMPARE(rewards, 1);
    QVERIFY(!puzzle.Timer1.enabled);
    QVERIFY(puzzle.lblDone.visible); // stays until the next puzzle
    setRow(puzzle, {4, 5}, {"+"});
    puzzle.EvaluateGuess();
    QCOMPARE(rewards, 2);
}

QTEST_APPLESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
