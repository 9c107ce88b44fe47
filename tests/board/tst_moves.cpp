#include "board/Moves.h"
#include "core/Puzzle.h"
#include "support/PuzzleInvariants.h"
#include "support/ScriptedDie.h"

#include <QtTest>

using namespace fw;

Q_DECLARE_METATYPE(fw::ControlId)

namespace {

const auto pool = [](int k) { return ControlId {Control::txtNumber, k}; };
const auto palette = [](int k) { return ControlId {Control::txtOp, k}; };
const auto row = [](int i) { return ControlId {Control::txtGuess, i}; };
const auto gap = [](int j) { return ControlId {Control::txtGuessOp, j}; };

// A three-number puzzle with pool 4, 2, 5 and target 22 (5 X 4 + 2).
struct Fixture {
    ScriptedDie die {4, 2, 5, 1, 1, 1, /* hidden row */ 2, 4, 3, 1, 1};
    Puzzle puzzle {die};

    Fixture()
    {
        puzzle.NumCount = 3;
        puzzle.NewPuzzle();
    }
    QString poolTexts() const { return cellsOf(puzzle, Control::txtNumber, 1, 3); }
    QString rowTexts() const
    {
        return cellsOf(puzzle, Control::txtGuess, 1, 3) + " / "
            + cellsOf(puzzle, Control::txtGuessOp, 1, 2);
    }
    // The row 5 X 4, with the 2 left in the pool.
    void play5X4()
    {
        drop(puzzle, row(1), pool(3));
        drop(puzzle, row(2), pool(1));
        drop(puzzle, gap(1), palette(4));
    }
    QString total() const { return textOf(puzzle, Control::txtCurrentTotal); }
    // Every evaluation rewrites the total; a value no row can make shows
    // whether one ran.
    void markTotal() { puzzle.Total = -99999; }
    bool evaluated() const { return puzzle.Total != -99999; }
};

} // namespace

class TestMoves : public QObject {
    Q_OBJECT
private slots:
    void placeAndTakeBack()
    {
        Fixture f;
        QVERIFY(!drop(f.puzzle, row(1), pool(1)));
        QVERIFY(!drop(f.puzzle, row(2), pool(2)));
        QCOMPARE(f.poolTexts(), QString("||5"));
        QCOMPARE(f.rowTexts(), QString("4|2| / |"));
        QCOMPARE(f.total(), QString("6"));

        // The 2 goes back to the first empty pool cell, not where it came from.
        QVERIFY(!press(f.puzzle, row(2)));
        QCOMPARE(f.poolTexts(), QString("2||5"));
        QCOMPARE(f.rowTexts(), QString("4|| / |"));
        QCOMPARE(f.total(), QString("4"));
        QCOMPARE(checkPuzzleInvariants(f.puzzle), QString());
    }

    // From a row holding the 2 in its middle cell: each move is refused, changes
    // nothing and evaluates nothing. A source of {} marks a press.
    void refusedMoves_data()
    {
        QTest::addColumn<ControlId>("target");
        QTest::addColumn<ControlId>("source");
        const auto move = [](const char *name, ControlId target, ControlId source = {}) {
            QTest::newRow(name) << target << source;
        };
        move("operator on a number cell", row(1), palette(1));
        move("number on an operator cell", gap(1), pool(1));
        move("number on an occupied cell", row(2), pool(1));
        move("number on the pool", pool(3), pool(1));
        move("operator on the pool", pool(3), palette(4));
        move("number on the target", pool(0), pool(1));
        move("number on the solution", {Control::txtAnswer, 1}, pool(1));
        move("row cell as a source", row(1), row(3));
        move("pool cell beyond the count", row(1), pool(4));
        move("emptied pool cell", row(1), pool(2));
        move("palette has no index 2", gap(1), palette(2));
        move("row cell beyond the count", row(4), pool(1));
        move("operator cell beyond the count", gap(3), palette(4));
        move("press on an empty row cell", row(3));
        move("press on a pool cell", pool(1));
        move("press on the palette", palette(4));
        move("press beyond the count", gap(3));
    }

    void refusedMoves()
    {
        QFETCH(ControlId, target);
        QFETCH(ControlId, source);
        Fixture f;
        drop(f.puzzle, row(2), pool(2));
        const QString poolBefore = f.poolTexts();
        const QString rowBefore = f.rowTexts();
        f.markTotal();
        QVERIFY(
            !(source == ControlId {} ? press(f.puzzle, target) : drop(f.puzzle, target, source)));
        QCOMPARE(f.poolTexts(), poolBefore);
        QCOMPARE(f.rowTexts(), rowBefore);
        QVERIFY(!f.evaluated());
    }

    // Each palette cell's operator replaces the X in a row 5 X 4, as written
    // in the row, and the total follows.
    void paletteOperators_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("total");
        QTest::newRow("0 subtracts") << 0 << "--" << 1;
        QTest::newRow("1 adds") << 1 << "+" << 9;
        QTest::newRow("3 divides") << 3 << " /" << 1;
        QTest::newRow("4 multiplies again") << 4 << "X" << 20;
    }

    void paletteOperators()
    {
        QFETCH(int, k);
        QFETCH(QString, text);
        QFETCH(int, total);
        Fixture f;
        f.play5X4();
        drop(f.puzzle, gap(2), palette(4)); // a palette cell can fill every gap
        f.markTotal();
        QVERIFY(!drop(f.puzzle, gap(1), palette(k)));
        QCOMPARE(f.rowTexts(), QString("5|4| / %1|X").arg(text));
        QCOMPARE(f.total(), QString::number(total));
    }

    void pressesThatEvaluate()
    {
        Fixture f;
        f.play5X4();
        // A pressed operator cell is emptied, and an empty one adds.
        QVERIFY(!press(f.puzzle, gap(1)));
        QCOMPARE(f.rowTexts(), QString("5|4| / |"));
        QCOMPARE(f.total(), QString("9"));
        // Pressing an already empty operator cell still evaluates.
        f.markTotal();
        press(f.puzzle, gap(1));
        QVERIFY(f.evaluated());
        // With no empty pool cell (only reachable by refilling the pool by other
        // means) the number stays in the row, but the row is evaluated.
        f.puzzle.Pool[1] = f.puzzle.Pool[3] = std::int16_t {6};
        f.markTotal();
        press(f.puzzle, row(1));
        QCOMPARE(f.rowTexts(), QString("5|4| / |"));
        QVERIFY(f.evaluated());
    }

    void solveByDrops()
    {
        Fixture f;
        f.play5X4();
        QVERIFY(!drop(f.puzzle, gap(2), palette(1)));
        QVERIFY(drop(f.puzzle, row(3), pool(2)));
        QVERIFY(shown(f.puzzle, {Control::lblDone, -1})->visible);
        QVERIFY(closingOf(f.puzzle) == Closing::WayToGo);
        QVERIFY(!f.puzzle.Timer1.enabled);
        QCOMPARE(checkPuzzleInvariants(f.puzzle), QString());
        // Re-dropping the operator a solved row already holds solves again, and
        // so does putting back a number taken out of it.
        QVERIFY(drop(f.puzzle, gap(2), palette(1)));
        QVERIFY(!press(f.puzzle, row(3)));
        QVERIFY(f.puzzle.Done); // the closing message stays
        QVERIFY(drop(f.puzzle, row(3), pool(1)));
    }
};

QTEST_APPLESS_MAIN(TestMoves)
#include "tst_moves.moc"
