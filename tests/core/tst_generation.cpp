#include "core/Puzzle.h"
#include "support/PuzzleInvariants.h"
#include "support/ScriptedDie.h"
#include "support/SeededDie.h"

#include <QtTest>

using namespace fw;

namespace {

// The digits of a text, in order: "425" gives 4, 2, 5.
std::vector<int> digits(const QString &text)
{
    std::vector<int> values;
    for (QChar c : text)
        if (c.isDigit())
            values.push_back(c.digitValue());
    return values;
}

void setNumbers(Puzzle &puzzle, const QString &numbers)
{
    const std::vector<int> values = digits(numbers);
    puzzle.NumCount = static_cast<std::int16_t>(values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        puzzle.Numbers[i + 1] = static_cast<std::int16_t>(values[i]);
}

// The solution as it is written out when shown: "5 X 4 + 2".
QString answerRow(const Puzzle &puzzle)
{
    QStringList parts;
    for (int k = 1; k <= puzzle.NumCount; ++k) {
        parts << textOf(puzzle, Control::txtAnswer, k);
        if (k < puzzle.NumCount)
            parts << textOf(puzzle, Control::txtAnswerOp, k);
    }
    return parts.join(' ');
}

} // namespace

class TestGeneration : public QObject {
    Q_OBJECT
private slots:
    // Each row: the numbers, the faces in draw order (slot draws of number 1,
    // operator draw 1, slot draws of number 2, ...; a blank before each
    // arrangement drawn again), the target and the solution.
    void makeAnswer_data()
    {
        QTest::addColumn<int>("numbers");
        QTest::addColumn<QString>("faces");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("row");
        QTest::newRow("4 2 5 gives 5 X 4 + 2") << 425 << "24311" << 22 << "5 X 4 + 2";
        QTest::newRow("taken and out-of-range slots are drawn again")
            << 425 << "25264316521" << 22 << "5 X 4 + 2";
        QTest::newRow("2 / 3 truncates to 0 and is drawn again")
            << 32 << "261 132" << 1 << "3 -- 2";
        QTest::newRow("1 -- 6 is below 1 and drawn again with the same numbers")
            << 16 << "132 112" << 7 << "1 + 6";
        QTest::newRow("a value below 1 mid-way is allowed")
            << 2615 << "1324324" << 1 << "2 -- 6 X 1 + 5";
        QTest::newRow("-5 / 2 truncates toward zero to -2")
            << 162 << "13263 11213" << 9 << "1 + 6 + 2";
        QTest::newRow("division shows as a plain slash") << 63 << "162" << 2 << "6 / 3";
        QTest::newRow("six sixes all multiplied overflow and are redrawn")
            << 666666 << "14253445546 11213141516" << 36 << "6 + 6 + 6 + 6 + 6 + 6";
        QTest::newRow("five sixes and a five multiplied overflow")
            << 666665 << "14243444546 12213141516" << 35 << "6 + 6 + 6 + 6 + 6 + 5";
        QTest::newRow("the largest product that fits is kept")
            << 666655 << "14243444546" << 32400 << "6 X 6 X 6 X 6 X 5 X 5";
    }

    void makeAnswer()
    {
        QFETCH(int, numbers);
        QFETCH(QString, faces);
        QFETCH(int, target);
        QFETCH(QString, row);
        ScriptedDie die;
        die.push(digits(faces));
        Puzzle puzzle(die);
        setNumbers(puzzle, QString::number(numbers));
        puzzle.MakeAnswer();

        QCOMPARE(answerRow(puzzle), row);
        QCOMPARE(textOf(puzzle, Control::txtNumber, 0), QString::number(target));
        QCOMPARE(die.left(), std::size_t(0));
        QCOMPARE(checkSolution(puzzle), QString());
    }

    // An operator face d becomes code d x 0.66 rounded: 1, 1, 2, 3, 3, 4.
    void operatorFaces_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<Operator>("op");
        QTest::newRow("1") << 1 << Operator::Add;
        QTest::newRow("2") << 2 << Operator::Add;
        QTest::newRow("3") << 3 << Operator::Subtract;
        QTest::newRow("4") << 4 << Operator::Multiply;
        QTest::newRow("5") << 5 << Operator::Multiply;
        QTest::newRow("6") << 6 << Operator::Divide;
    }

    void operatorFaces()
    {
        QFETCH(int, face);
        QFETCH(Operator, op);
        // 6 then 3: every operator keeps the target at least 1.
        ScriptedDie die {1, face, 2};
        Puzzle puzzle(die);
        setNumbers(puzzle, "63");
        puzzle.MakeAnswer();
        QCOMPARE(puzzle.AnswerOps[1], op);
    }

    // With a random die, every target lands between 1 and 32767 and is the
    // left-to-right value of the hidden row; every seventh round deals six 6s,
    // which overflow whenever all five operators multiply.
    void acceptedTargetsStayInRange()
    {
        SeededDie die(20240611);
        Puzzle puzzle(die);
        for (int round = 0; round < 3000; ++round) {
            puzzle.NumCount = static_cast<std::int16_t>(2 + round % 5);
            for (int i = 1; i <= puzzle.NumCount; ++i)
                puzzle.Numbers[i] = static_cast<std::int16_t>(round % 7 == 0 ? 6 : die.RollDie());
            puzzle.MakeAnswer();
            const QString broken = checkSolution(puzzle);
            QVERIFY2(broken.isEmpty(),
                qPrintable(QStringLiteral("round %1: %2").arg(round).arg(broken)));
        }
    }
};

QTEST_APPLESS_MAIN(TestGeneration)
#include "tst_generation.moc"
