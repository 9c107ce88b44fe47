// What a player who cannot see the board is told after a move or a hint:
// the real moves and hints run on a puzzle, and the changes are compared
// with what a listener needs to hear, in order.
#include "board/Hints.h"
#include "board/Moves.h"
#include "core/Puzzle.h"
#include "screenreader/WhatChanged.h"
#include "support/ScriptedDie.h"

#include <QtTest>

using namespace fw;
using namespace fw::screenreader;

namespace {

// Changes written short: "cell g2", "cell o1" (the row), "shown a3",
// "shown o2" (the solution), or the kind's name.
QString written(const std::vector<Change> &changes)
{
    QStringList words;
    for (const Change &t : changes) {
        const char letter
            = t.cell.kind == Control::txtGuess || t.cell.kind == Control::txtAnswer ? 'n' : 'o';
        const QString cell = QString(QLatin1Char(letter)) + QString::number(t.cell.index);
        switch (t.kind) {
        case Change::Kind::RowCell: words << "cell " + cell; break;
        case Change::Kind::Revealed: words << "shown " + cell; break;
        case Change::Kind::NoChange: words << "no change"; break;
        case Change::Kind::Total: words << "total"; break;
        case Change::Kind::Closing: words << "closing"; break;
        case Change::Kind::HintsUsed: words << "hints"; break;
        case Change::Kind::Solution: words << "solution"; break;
        case Change::Kind::SolutionHidden: words << "hidden"; break;
        case Change::Kind::Peeked: words << "peeked"; break;
        default: words << "other"; break;
        }
    }
    return words.join(", ");
}

// Pool 4, 2, 5; hidden row 5 X 4 + 2 = 22.
struct Board {
    ScriptedDie die {4, 2, 5, 1, 1, 1, 2, 4, 3, 1, 1};
    Puzzle puzzle {die};
    Board() { puzzle.start(); }

    // "row2<pool3" drops pool cell 3 on row cell 2; "gap1" presses the
    // operator cell between row cells 1 and 2. Cells: pool, op (the
    // palette), row, gap.
    bool move(const QString &what)
    {
        const QStringList cells = what.split('<');
        if (cells.size() == 1)
            return press(puzzle, cell(cells[0]));
        return drop(puzzle, cell(cells[0]), cell(cells[1]));
    }

    static ControlId cell(const QString &name)
    {
        const int index = name.right(1).toInt();
        if (name.startsWith("pool"))
            return {Control::txtNumber, index};
        if (name.startsWith("op"))
            return {Control::txtOp, index};
        if (name.startsWith("gap"))
            return {Control::txtGuessOp, index};
        return {Control::txtGuess, index};
    }
};

} // namespace

class TestWhatChanged : public QObject {
    Q_OBJECT
private slots:
    void afterMoves_data();
    void afterMoves();
    void afterReveals_data();
    void afterReveals();
};

void TestWhatChanged::afterMoves_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("move");
    QTest::addColumn<QString>("told");
    QTest::newRow("a number into the row") << QStringList {} << "row2<pool3"
                                           << "cell n2, total";
    QTest::newRow("an operator into a gap") << QStringList {} << "gap1<op4"
                                            << "cell o1, total";
    QTest::newRow("a number taken back") << QStringList {"row2<pool3"} << "row2"
                                         << "cell n2, total";
    QTest::newRow("a refused drop") << QStringList {"row2<pool3"} << "row2<pool1"
                                    << "no change, total";
    QTest::newRow("an operator on a number cell") << QStringList {} << "row2<op4"
                                                  << "no change, total";
    QTest::newRow("the solving move")
        << QStringList {"row1<pool3", "gap1<op4", "row2<pool1", "gap2<op1"} << "row3<pool2"
        << "cell n3, total, closing";
}

void TestWhatChanged::afterMoves()
{
    QFETCH(QStringList, before);
    QFETCH(QString, move);
    QFETCH(QString, told);
    Board board;
    for (const QString &m : before)
        board.move(m);
    const Puzzle was = board.puzzle;
    board.move(move);
    QCOMPARE(written(afterMove(was, board.puzzle)), told);
}

void TestWhatChanged::afterReveals_data()
{
    QTest::addColumn<QString>(
        "steps"); // h: hint (rolls 1, 6, 6), a: Answer, e: the hint's time is up
    QTest::addColumn<QString>("told");
    QTest::newRow("a hint") << "h"
                            << "hints, shown n1, shown n3, shown o2";
    QTest::newRow("its end") << "he"
                             << "hidden";
    QTest::newRow("the answer") << "a"
                                << "solution, peeked";
    QTest::newRow("the answer again") << "aa"
                                      << "hidden";
    QTest::newRow("a hint over the answer") << "ah"
                                            << "hints";
    QTest::newRow("the answer over a hint") << "ha"
                                            << "solution, peeked";
}

void TestWhatChanged::afterReveals()
{
    QFETCH(QString, steps);
    QFETCH(QString, told);
    Board board;
    std::vector<Change> last;
    for (const QChar step : steps) {
        const Puzzle was = board.puzzle;
        if (step == 'h') {
            board.die.push({1, 6, 6});
            showHint(board.puzzle);
        } else if (step == 'a') {
            toggleAnswer(board.puzzle);
        } else {
            hideHint(board.puzzle);
        }
        last = afterReveal(was, board.puzzle);
    }
    QCOMPARE(written(last), told);
}

QTEST_MAIN(TestWhatChanged)
#include "tst_whatchanged.moc"
