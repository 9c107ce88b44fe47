// Where an arrow key leads from each cell, as board/Keyboard works it out:
// along the pool, along the row and round the palette, nowhere past an end.
// The keys themselves, pressed on the window, are tests/mainwindow's.
#include "board/Control.h"
#include "board/Keyboard.h"
#include "core/Puzzle.h"
#include "support/ScriptedDie.h"

#include <QtTest>

#include <optional>

using namespace fw;

class TestNeighbour : public QObject {
    Q_OBJECT
private slots:
    void arrows_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("to"); // empty: nowhere
        const int left = int(Step::Left), right = int(Step::Right), up = int(Step::Up),
                  down = int(Step::Down);
        QTest::newRow("pool on") << 3 << "txtNumber(1)" << right << "txtNumber(2)";
        QTest::newRow("pool ends at the count") << 3 << "txtNumber(3)" << right << "";
        QTest::newRow("pool starts at 1") << 3 << "txtNumber(1)" << left << "";
        QTest::newRow("row number to operator") << 4 << "txtGuess(2)" << right << "txtGuessOp(2)";
        QTest::newRow("row operator to number") << 4 << "txtGuessOp(2)" << right << "txtGuess(3)";
        QTest::newRow("row back") << 4 << "txtGuess(2)" << left << "txtGuessOp(1)";
        QTest::newRow("row ends at the count") << 2 << "txtGuess(2)" << right << "";
        QTest::newRow("row has no up") << 4 << "txtGuess(2)" << up << "";
        QTest::newRow("palette + to X") << 3 << "txtOp(1)" << right << "txtOp(4)";
        QTest::newRow("palette + down to --") << 3 << "txtOp(1)" << down << "txtOp(0)";
        QTest::newRow("palette / up to X") << 3 << "txtOp(3)" << up << "txtOp(4)";
        QTest::newRow("palette / left to --") << 3 << "txtOp(3)" << left << "txtOp(0)";
        QTest::newRow("palette edge") << 3 << "txtOp(4)" << right << "";
    }

    void arrows()
    {
        QFETCH(int, count);
        QFETCH(QString, from);
        QFETCH(int, step);
        QFETCH(QString, to);
        ScriptedDie die;
        Puzzle puzzle(die);
        puzzle.NumCount = std::int16_t(count);
        // Find the control by its name through the same names the window uses.
        std::optional<ControlId> start;
        for (Control kind :
            {Control::txtNumber, Control::txtGuess, Control::txtGuessOp, Control::txtOp})
            for (int n = 0; n <= 6; ++n)
                if (QString::fromStdString(controlName({kind, n})) == from)
                    start = ControlId {kind, n};
        QVERIFY(start);
        const auto next = neighbour(puzzle, *start, Step(step));
        QCOMPARE(next ? QString::fromStdString(controlName(*next)) : QString(), to);
    }
};

QTEST_APPLESS_MAIN(TestNeighbour)
#include "tst_neighbour.moc"
