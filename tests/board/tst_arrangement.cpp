#include "board/Arrangement.h"
#include "core/Puzzle.h"
#include "support/ScriptedDie.h"

#include <QtTest>

using namespace fw;

namespace {

constexpr std::int32_t kYellow = 0x00ffff; // a pool cell's background
constexpr std::int32_t kRed = 255;         // every operator cell's background

DragSource pool(int k)
{
    return DragSource{CellRef{CellRef::Array::Number, k}, kYellow};
}

DragSource op(int index)
{
    return DragSource{CellRef{CellRef::Array::Op, index}, kRed};
}

// A three-number puzzle with pool 4, 2, 5 and target 22 (5 X 4 + 2).
struct Fixture {
    ScriptedDie die{4, 2, 5, 1, 1, 1, /* hidden row */ 2, 4, 3, 1, 1};
    Puzzle puzzle{die};
    int rewards = 0;
    int evaluations = 0;

    Fixture()
    {
        puzzle.NumCount = 3;
        puzzle.NewPuzzle();
        puzzle.solveReward = [this] { ++rewards; };
    }

    QString poolTexts() const
    {
        QStringList texts;
        for (int k = 1; k <= puzzle.NumCount; ++k)
            texts << QString::fromStdString(puzzle.txtNumber[k].text);
        return texts.join(',');
    }
    QString rowTexts() const
    {
        QStringList texts;
        for (int i = 1; i <= puzzle.NumCount; ++i) {
            texts << QString::fromStdString(puzzle.txtGuess[i].text);
            if (i < puzzle.NumCount)
                texts << QString::fromStdString(puzzle.txtGuessOp[i].text);
        }
        return texts.join(',');
    }
    // The total is rewritten by every evaluation; a marker shows whether one ran.
    void markTotal() { puzzle.txtCurrentTotal.text = "unevaluated"; }
    bool evaluated() const { return puzzle.txtCurrentTotal.text != "unevaluated"; }
};

} // namespace

class TestArrangement : public QObject {
    Q_OBJECT
private slots:
    void placeAndTakeBack();
    void refusedDrops_data();
    void refusedDrops();
    void operators();
    void emptyPoolCellNeverEntersRow();
    void solveByDrops();
    void takeBackWithFullPool();
};

void TestArrangement::placeAndTakeBack()
{
    Fixture f;
    QCOMPARE(f.puzzle.txtNumber[0].text, std::string("22"));
    txtGuess_DragDrop(f.puzzle, 1, pool(1));
    txtGuess_DragDrop(f.puzzle, 2, pool(2));
    QCOMPARE(f.poolTexts(), QString(",,5"));
    QCOMPARE(f.rowTexts(), QString("4,,2,,"));
    QCOMPARE(f.puzzle.txtCurrentTotal.text, std::string("6"));
    QCOMPARE(int(f.puzzle.GuessNums[2]), 2);

    // The 2 goes back to the first empty pool cell, not where it came from.
    txtGuess_MouseDown(f.puzzle, 2);
    QCOMPARE(f.poolTexts(), QString("2,,5"));
    QCOMPARE(int(f.puzzle.GuessNums[2]), 0);
    QCOMPARE(f.puzzle.txtCurrentTotal.text, std::string("4"));

    // Pressing an empty row cell changes nothing and evaluates nothing.
    f.markTotal();
    txtGuess_MouseDown(f.puzzle, 3);
    QVERIFY(!f.evaluated());
}

void TestArrangement::refusedDrops_data()
{
    QTest::addColumn<int>("target"); // 1..3 number cell, 11..12 operator cell, 20 pool, 21 target cell
    QTest::addColumn<bool>("fromPalette");
    QTest::newRow("operator on a number cell") << 1 << true;
    QTest::newRow("number on an operator cell") << 11 << false;
    QTest::newRow("number on an occupied cell") << 2 << false;
    QTest::newRow("number on the pool") << 20 << false;
    QTest::newRow("operator on the pool") << 20 << true;
    QTest::newRow("number on the target") << 21 << false;
}

void TestArrangement::refusedDrops()
{
    QFETCH(int, target);
    QFETCH(bool, fromPalette);
    Fixture f;
    txtGuess_DragDrop(f.puzzle, 2, pool(2)); // cell 2 is now occupied
    const QString poolBefore = f.poolTexts();
    const QString rowBefore = f.rowTexts();
    f.markTotal();
    const DragSource source = fromPalette ? op(4) : pool(1);
    if (target <= 6)
        txtGuess_DragDrop(f.puzzle, target, source);
    else if (target <= 15)
        txtGuessOp_DragDrop(f.puzzle, target - 10, source);
    else
        txtNumber_DragDrop(f.puzzle, target == 21 ? 0 : 3, source);
    QCOMPARE(f.poolTexts(), poolBefore);
    QCOMPARE(f.rowTexts(), rowBefore);
    QVERIFY(!f.evaluated());
}

void TestArrangement::operators()
{
    Fixture f;
    txtGuess_DragDrop(f.puzzle, 1, pool(3)); // 5
    txtGuess_DragDrop(f.puzzle, 2, pool(1)); // 4
    txtGuessOp_DragDrop(f.puzzle, 1, op(3));
    QCOMPARE(f.puzzle.txtGuessOp[1].text, std::string(" /"));
    QCOMPARE(f.puzzle.txtCurrentTotal.text, std::string("1"));
    // Replacing an operator recomputes; the palette keeps its text.
    txtGuessOp_DragDrop(f.puzzle, 1, op(4));
    QCOMPARE(f.puzzle.txtCurrentTotal.text, std::string("20"));
    QCOMPARE(f.puzzle.txtOp[4].text, std::string("X"));
    // The same palette cell can go into every operator cell.
    txtGuessOp_DragDrop(f.puzzle, 2, op(4));
    QCOMPARE(f.rowTexts(), QString("5,X,4,X,"));
    // Clearing an operator, with any button, evaluates even on an empty cell.
    txtGuessOp_MouseDown(f.puzzle, 1);
    QCOMPARE(f.puzzle.txtCurrentTotal.text, std::string("9"));
    f.markTotal();
    txtGuessOp_MouseDown(f.puzzle, 1);
    QVERIFY(f.evaluated());
    txtGuessOp_DragDrop(f.puzzle, 1, op(0));
    QCOMPARE(f.puzzle.txtCurrentTotal.text, std::string("1"));
    txtGuessOp_DragDrop(f.puzzle, 1, op(1));
    QCOMPARE(f.puzzle.txtCurrentTotal.text, std::string("9"));
}

// A pool cell whose number went into the row is empty but still a drag
// source; dropping it must not put an empty number into the row.
void TestArrangement::emptyPoolCellNeverEntersRow()
{
    Fixture f;
    txtGuess_DragDrop(f.puzzle, 1, pool(1));
    f.markTotal();
    txtGuess_DragDrop(f.puzzle, 2, pool(1));
    QCOMPARE(int(f.puzzle.GuessNums[2]), 0);
    QCOMPARE(f.puzzle.txtGuess[2].text, std::string());
    QVERIFY(!f.evaluated());
    // Text that is no number, should it ever get into the pool, is refused too.
    f.puzzle.txtNumber[2].text = "x";
    txtGuess_DragDrop(f.puzzle, 2, pool(2));
    QCOMPARE(int(f.puzzle.GuessNums[2]), 0);
    QCOMPARE(f.puzzle.txtNumber[2].text, std::string("x"));
}

void TestArrangement::solveByDrops()
{
    Fixture f;
    txtGuess_DragDrop(f.puzzle, 1, pool(3));
    txtGuessOp_DragDrop(f.puzzle, 1, op(4));
    txtGuess_DragDrop(f.puzzle, 2, pool(1));
    txtGuessOp_DragDrop(f.puzzle, 2, op(1));
    QCOMPARE(f.rewards, 0);
    txtGuess_DragDrop(f.puzzle, 3, pool(2));
    QCOMPARE(f.puzzle.txtCurrentTotal.text, std::string("22"));
    QCOMPARE(f.rewards, 1);
    QVERIFY(f.puzzle.lblDone.visible);
    QCOMPARE(f.puzzle.lblDone.text, std::string("!!!Way to go!!!"));
    QVERIFY(!f.puzzle.Timer1.enabled);
    // Re-dropping the operator a solved row already holds solves again.
    txtGuessOp_DragDrop(f.puzzle, 2, op(1));
    QCOMPARE(f.rewards, 2);
    // So does pressing an empty operator cell... there is none in a full
    // three-number row, so take a number back and put it back instead.
    txtGuess_MouseDown(f.puzzle, 3);
    QCOMPARE(f.rewards, 2);
    txtGuess_DragDrop(f.puzzle, 3, pool(1));
    QCOMPARE(f.rewards, 3);
}

// With no empty pool cell (possible only if the pool was refilled by other
// means) the number stays in the row, but the row is evaluated.
void TestArrangement::takeBackWithFullPool()
{
    Fixture f;
    txtGuess_DragDrop(f.puzzle, 1, pool(1));
    f.puzzle.txtNumber[1].text = "6";
    f.markTotal();
    txtGuess_MouseDown(f.puzzle, 1);
    QCOMPARE(int(f.puzzle.GuessNums[1]), 4);
    QCOMPARE(f.puzzle.txtGuess[1].text, std::string("4"));
    QVERIFY(f.evaluated());
}

QTEST_APPLESS_MAIN(TestArrangement)
#include "tst_arrangement.moc"
