#include "core/Puzzle.h"
#include "support/ScriptedDie.h"

#include <QtTest>

using namespace fw;

namespace {

void setNumbers(Puzzle &puzzle, const QList<int> &numbers)
{
    puzzle.NumCount = static_cast<std::int16_t>(numbers.size());
    for (int i = 0; i < numbers.size(); ++i)
        puzzle.Numbers[i + 1] = static_cast<std::int16_t>(numbers[i]);
}

QString answerRow(const Puzzle &puzzle)
{
    QStringList parts;
    for (int k = 1; k <= puzzle.NumCount; ++k) {
        parts << QString::fromStdString(puzzle.txtAnswer[k].text);
        if (k < puzzle.NumCount)
            parts << QString::fromStdString(puzzle.txtAnswerOp[k].text);
    }
    return parts.join(' ');
}

} // namespace

class TestGeneration : public QObject {
    Q_OBJECT
private slots:
    void makeAnswer_data();
    void makeAnswer();
    void operatorCodes_data();
    void operatorCodes();
    void leavesHigherSlotsAlone();
    void acceptedTargetsStayInRange();
};

// Each row: the numbers, the faces in draw order (slot draws of number 1,
// operator draw 1, slot draws of number 2, ...), the answer row and target.
void TestGeneration::makeAnswer_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("target");

    QTest::newRow("4 2 5 gives 5 X 4 + 2")
        << QList<int>{4, 2, 5} << QList<int>{2, 4, 3, 1, 1} << "5 X 4 + 2" << 22;
    QTest::newRow("taken and out-of-range slots are drawn again")
        << QList<int>{4, 2, 5} << QList<int>{2, 5, 2, 6, 4, 3, 1, 6, 5, 2, 1} << "5 X 4 + 2" << 22;
    QTest::newRow("two numbers, one operator")
        // 2 / 3 truncates to 0 and is drawn again.
        << QList<int>{3, 2} << QList<int>{2, 6, 1, 1, 3, 2} << "3 -- 2" << 1;
    QTest::newRow("below 1 is redrawn with the same numbers")
        << QList<int>{1, 6} << QList<int>{1, 3, 2, /* 1 -- 6 = -5 */ 1, 1, 2} << "1 + 6" << 7;
    QTest::newRow("a value below 1 mid-way is allowed")
        << QList<int>{2, 6, 1, 5} << QList<int>{1, 3, 2, 4, 3, 2, 4} << "2 -- 6 X 1 + 5" << 1;
    QTest::newRow("truncating division toward zero")
        << QList<int>{1, 6, 2} << QList<int>{1, 3, 2, 6, 3, /* -5 / 2 = -2 */ 1, 1, 2, 1, 3} << "1 + 6 + 2" << 9;
    QTest::newRow("six sixes all multiplied overflow and are redrawn")
        << QList<int>{6, 6, 6, 6, 6, 6}
        << QList<int>{1, 4, 2, 5, 3, 4, 4, 5, 5, 4, 6, 1, 1, 2, 1, 3, 1, 4, 1, 5, 1, 6}
        << "6 + 6 + 6 + 6 + 6 + 6" << 36;
    QTest::newRow("five sixes and a five multiplied overflow")
        << QList<int>{6, 6, 6, 6, 6, 5}
        << QList<int>{1, 4, 2, 4, 3, 4, 4, 4, 5, 4, 6, 1, 2, 2, 1, 3, 1, 4, 1, 5, 1, 6}
        << "6 + 6 + 6 + 6 + 6 + 5" << 35;
    QTest::newRow("the largest product that fits is kept")
        << QList<int>{6, 6, 6, 6, 5, 5}
        << QList<int>{1, 4, 2, 4, 3, 4, 4, 4, 5, 4, 6} << "6 X 6 X 6 X 6 X 5 X 5" << 32400;
}

void TestGeneration::makeAnswer()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, faces);
    QFETCH(QString, row);
    QFETCH(int, target);
    ScriptedDie die;
    die.push(std::vector<int>(faces.begin(), faces.end()));
    Puzzle puzzle(die);
    setNumbers(puzzle, numbers);
    puzzle.MakeAnswer();

    QCOMPARE(answerRow(puzzle), row);
    QCOMPARE(int(puzzle.Target), target);
    QCOMPARE(QString::fromStdString(puzzle.txtNumber[0].text), QString::number(target));
    QCOMPARE(die.left(), std::size_t(0));
    for (int i = 0; i < numbers.size(); ++i)
        QCOMPARE(int(puzzle.Numbers[i + 1]), numbers[i]);
}

// An operator face d becomes code d x 0.66 rounded: 1, 1, 2, 3, 3, 4.
void TestGeneration::operatorCodes_data()
{
    QTest::addColumn<int>("face");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << 1 << "+";
    QTest::newRow("2") << 2 << 1 << "+";
    QTest::newRow("3") << 3 << 2 << "--";
    QTest::newRow("4") << 4 << 3 << "X";
    QTest::newRow("5") << 5 << 3 << "X";
    QTest::newRow("6") << 6 << 4 << "/";
}

void TestGeneration::operatorCodes()
{
    QFETCH(int, face);
    QFETCH(int, code);
    QFETCH(QString, text);
    // 6 then 3: every operator keeps the target at least 1.
    ScriptedDie die{1, face, 2};
    Puzzle puzzle(die);
    setNumbers(puzzle, {6, 3});
    puzzle.MakeAnswer();
    QCOMPARE(int(puzzle.AnswerOps[1]), code);
    QCOMPARE(QString::fromStdString(puzzle.txtAnswerOp[1].text), text);
}

void TestGeneration::leavesHigherSlotsAlone()
{
    ScriptedDie die{1, 1, 2};
    Puzzle puzzle(die);
    puzzle.txtAnswer[3].text = "6";
    puzzle.txtAnswerOp[2].text = "X";
    puzzle.txtAnswer[1].visible = false;
    setNumbers(puzzle, {2, 3});
    puzzle.MakeAnswer();
    QCOMPARE(puzzle.txtAnswer[3].text, std::string("6"));
    QCOMPARE(puzzle.txtAnswerOp[2].text, std::string("X"));
    QCOMPARE(int(puzzle.AnswerNums[3]), 0);
    QVERIFY(!puzzle.txtAnswer[1].visible); // generation writes texts, not visibility
}

// With the real die, every target lands between 1 and 32767 and equals the
// left-to-right value of the hidden row.
void TestGeneration::acceptedTargetsStayInRange()
{
    ClockDie die;
    Puzzle puzzle(die);
    for (int round = 0; round < 3000; ++round) {
        puzzle.NumCount = static_cast<std::int16_t>(2 + round % 5);
        for (int i = 1; i <= puzzle.NumCount; ++i)
            puzzle.Numbers[i] = static_cast<std::int16_t>(round % 7 == 0 ? 6 : die.RollDie());
        puzzle.MakeAnswer();
        QVERIFY(puzzle.Target >= 1);
        long value = puzzle.AnswerNums[1];
        for (int j = 2; j <= puzzle.NumCount; ++j) {
            const long next = puzzle.AnswerNums[j];
            switch (puzzle.AnswerOps[j - 1]) {
            case 1: value += next; break;
            case 2: value -= next; break;
            case 3: value *= next; break;
            default: value /= next; break;
            }
        }
        QCOMPARE(value, long(puzzle.Target));
    }
}

QTEST_APPLESS_MAIN(TestGeneration)
#include "tst_generation.moc"
