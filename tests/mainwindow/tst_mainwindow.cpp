// The main window driven the way a player drives it: drops arrive as drop
// events on the cells, presses as mouse presses, buttons are clicked, and the
// windows a solve opens really open and are closed by the test.
#include "support/DropEvents.h"
#include "support/MainGame.h"
#include "support/ModalScript.h"
#include "support/SolveByDrops.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace fw;

namespace {

struct Game : MainGame {
    using MainGame::MainGame;
    QTimer *timer(const char *name)
    {
        return window.findChild<QTimer *>(QString::fromLatin1(name));
    }
    bool drop(const QString &target, const QString &source)
    {
        return dropCell(cell(target), source);
    }
    void press(const QString &name, Qt::MouseButton button = Qt::LeftButton)
    {
        fwtest::pressCell(window, name, button);
    }
    QString pool()
    {
        return QStringList {text("txtNumber(1)"), text("txtNumber(2)"), text("txtNumber(3)")}.join(
            ',');
    }
    QString row()
    {
        return QStringList {text("txtGuess(1)"), text("txtGuessOp(1)"), text("txtGuess(2)"),
            text("txtGuessOp(2)"), text("txtGuess(3)")}
            .join(',');
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void placeAndTakeBack();
    void refusedDrops_data();
    void refusedDrops();
    void operatorsByDrop();
    void solveByDropsOpensCelebrationThenRecord();
    void repeatSolveCelebratesAgain();
    void hintsHideAfterTwoSeconds();
    void answerAndPeekedMark();
    void countButtons();
    void clockTicksEverySecond();
};

void TestMainWindow::init()
{
    fwtest::resetSettings(); // every case starts from an empty settings store
}

void TestMainWindow::placeAndTakeBack()
{
    Game game;
    QCOMPARE(game.text("txtNumber(0)"), QString("22"));
    QCOMPARE(game.pool(), QString("4,2,5"));
    QVERIFY(game.drop("txtGuess(1)", "txtNumber(1)"));
    QVERIFY(game.drop("txtGuess(2)", "txtNumber(2)"));
    QCOMPARE(game.pool(), QString(",,5"));
    QCOMPARE(game.text("txtCurrentTotal"), QString("6"));
    // Any button takes a number back, to the lowest empty pool cell.
    game.press("txtGuess(2)", Qt::RightButton);
    QCOMPARE(game.pool(), QString("2,,5"));
    QCOMPARE(game.text("txtGuess(2)"), QString());
    QCOMPARE(game.text("txtCurrentTotal"), QString("4"));
    // The emptied pool cell can still be dragged, but brings nothing.
    QVERIFY(game.drop("txtGuess(3)", "txtNumber(2)"));
    QCOMPARE(game.text("txtGuess(3)"), QString());
    QCOMPARE(int(game.window.puzzle().GuessNums[3]), 0);
}

void TestMainWindow::refusedDrops_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source");
    QTest::newRow("operator on a number cell") << "txtGuess(3)"
                                               << "txtOp(4)";
    QTest::newRow("number on an operator cell") << "txtGuessOp(1)"
                                                << "txtNumber(3)";
    QTest::newRow("number on an occupied cell") << "txtGuess(1)"
                                                << "txtNumber(3)";
    QTest::newRow("number on the pool") << "txtNumber(2)"
                                        << "txtNumber(3)";
    QTest::newRow("number on the target") << "txtNumber(0)"
                                          << "txtNumber(3)";
    QTest::newRow("operator on the palette") << "txtOp(1)"
                                             << "txtOp(4)";
    QTest::newRow("number on the total") << "txtCurrentTotal"
                                         << "txtNumber(3)";
    QTest::newRow("number on the solution") << "txtAnswer(1)"
                                            << "txtNumber(3)";
    QTest::newRow("a cell that cannot be dragged") << "txtGuess(2)"
                                                   << "txtGuess(1)";
}

void TestMainWindow::refusedDrops()
{
    QFETCH(QString, target);
    QFETCH(QString, source);
    Game game;
    QVERIFY(game.drop("txtGuess(1)", "txtNumber(1)"));
    const QString pool = game.pool();
    const QString row = game.row();
    const QString total = game.text("txtCurrentTotal");
    game.drop(target, source);
    QCOMPARE(game.pool(), pool);
    QCOMPARE(game.row(), row);
    QCOMPARE(game.text("txtCurrentTotal"), total);
}

void TestMainWindow::operatorsByDrop()
{
    Game game;
    QVERIFY(game.drop("txtGuess(1)", "txtNumber(3)"));
    QVERIFY(game.drop("txtGuess(2)", "txtNumber(1)"));
    QVERIFY(game.drop("txtGuessOp(1)", "txtOp(3)"));
    QCOMPARE(game.text("txtGuessOp(1)"), QString(" /"));
    QCOMPARE(game.text("txtCurrentTotal"), QString("1"));
    QVERIFY(game.drop("txtGuessOp(1)", "txtOp(4)"));
    QCOMPARE(game.text("txtCurrentTotal"), QString("20"));
    QCOMPARE(game.text("txtOp(4)"), QString("X"));
    game.press("txtGuessOp(1)", Qt::MiddleButton);
    QCOMPARE(game.text("txtGuessOp(1)"), QString());
    QCOMPARE(game.text("txtCurrentTotal"), QString("9"));
}

void TestMainWindow::solveByDropsOpensCelebrationThenRecord()
{
    Game game;
    for (int tick = 0; tick < 7; ++tick)
        game.window.Timer1_Timer();
    QCOMPARE(game.text("txtTimer"), QString("7"));
    QCOMPARE(game.records.gBestPlayer, QString("Nobody"));

    QString nameField;
    ModalScript script({{"frmHooray"}, {"frmNewRecord", [&](QWidget *window) {
                                            nameField
                                                = window->findChild<QLineEdit *>("txtName")->text();
                                        }}});
    QCOMPARE(fwtest::solveByDrops(game.window).refused, 0);
    QCOMPARE(game.text("txtCurrentTotal"), QString("22"));
    QVERIFY(game.cell<QLabel>("lblDone")->isVisible());
    QCOMPARE(game.text("lblDone"), QString("!!!Way to go!!!"));

    QTRY_COMPARE_WITH_TIMEOUT(script.titles.size(), 2, 10000);
    QCOMPARE(script.titles[0], QString("Congratulations!  You did it!"));
    QCOMPARE(script.titles[1], QString("Congratulations!"));
    QCOMPARE(nameField, QString("Nobody"));
    QCOMPARE(script.problems, QStringList());
    QCOMPARE(game.sound.played.value(0), QString("hound.wav"));
    QCOMPARE(int(game.records.gBestTime), 7);
    QCOMPARE(game.store.read("Records", "BestTime"), QString("7"));
    QCOMPARE(game.store.read("Records", "BestPlayer"), QString("Nobody"));
    // The clock stopped at the solve.
    QVERIFY(!game.timer("Timer1")->isActive());
}

void TestMainWindow::repeatSolveCelebratesAgain()
{
    Game game;
    ModalScript script({{"frmHooray"}});
    QCOMPARE(fwtest::solveByDrops(game.window).refused, 0);
    // Solved at "00", right after the window opened: a celebration, but no
    // record, since a time of 0 would wipe every record at the next start.
    QTRY_COMPARE_WITH_TIMEOUT(script.titles.size(), 1, 10000);
    QCOMPARE(int(game.records.gBestTime), 999);

    script.expect({{"frmHooray"}});
    game.press("txtGuess(3)");
    QVERIFY(game.drop("txtGuess(3)", "txtNumber(1)"));
    QTRY_COMPARE_WITH_TIMEOUT(script.titles.size(), 2, 10000);
    QCOMPARE(script.titles[1], QString("Congratulations!  You did it!"));
    QCOMPARE(script.problems, QStringList());
}

void TestMainWindow::hintsHideAfterTwoSeconds()
{
    // Hint rolls 1, 6, 6 with three numbers: cells 1 and 3, operator 2.
    std::vector<int> faces = kFirstPuzzle;
    faces.insert(faces.end(), {1, 6, 6});
    Game game(faces);
    QTest::mouseClick(game.cell<QPushButton>("cmdHint"), Qt::LeftButton);
    QVERIFY(game.cell("txtAnswer(1)")->isVisible());
    QVERIFY(!game.cell("txtAnswer(2)")->isVisible());
    QVERIFY(game.cell("txtAnswer(3)")->isVisible());
    QVERIFY(game.cell("txtAnswerOp(2)")->isVisible());
    QCOMPARE(game.text("lblHint3"), QString("1"));
    QVERIFY(game.cell<QLabel>("lblHint1")->isVisible());
    QTimer *hide = game.timer("Timer2");
    QVERIFY(hide->isActive());
    QCOMPARE(hide->interval(), 2000);
    // Its tick hides every solution cell and stops it.
    game.window.Timer2_Timer();
    QVERIFY(!hide->isActive());
    QVERIFY(!game.cell("txtAnswer(1)")->isVisible());
    QVERIFY(!game.cell("txtAnswerOp(2)")->isVisible());
    QVERIFY(game.cell<QLabel>("lblHint1")->isVisible());
}

void TestMainWindow::answerAndPeekedMark()
{
    Game game;
    auto *answer = game.cell<QPushButton>("cmdAnswers");
    QVERIFY(!game.cell<QLabel>("lblPeeked")->isVisible());
    QTest::mouseClick(answer, Qt::LeftButton);
    QCOMPARE(game.text("txtAnswer(1)"), QString("5"));
    QCOMPARE(game.text("txtAnswerOp(1)"), QString("X"));
    QVERIFY(game.cell("txtAnswer(3)")->isVisible());
    QVERIFY(!game.cell("txtAnswer(4)")->isVisible());
    QVERIFY(game.cell<QLabel>("lblPeeked")->isVisible());
    QTest::mouseClick(answer, Qt::LeftButton);
    QVERIFY(!game.cell("txtAnswer(1)")->isVisible());
    QVERIFY(game.cell<QLabel>("lblPeeked")->isVisible());

    QTest::mouseClick(answer, Qt::LeftButton);
    ModalScript script({{"frmHooray"}});
    QCOMPARE(fwtest::solveByDrops(game.window).refused, 0);
    QCOMPARE(game.text("lblDone"), QString("You're done!"));
    QTRY_COMPARE_WITH_TIMEOUT(script.titles.size(), 1, 10000);
    QCOMPARE(script.problems, QStringList());
}

void TestMainWindow::countButtons()
{
    std::vector<int> faces = kFirstPuzzle;
    // Six numbers: pool 1..6 and an all-addition row.
    faces.insert(faces.end(), {1, 2, 3, 4, 5, 6, 1, 1, 2, 1, 3, 1, 4, 1, 5, 1, 6});
    Game game(faces);
    QTest::mouseClick(game.cell<QPushButton>("cmdNums(6)"), Qt::LeftButton);
    QCOMPARE(int(game.window.puzzle().NumCount), 6);
    QCOMPARE(game.text("txtNumber(0)"), QString("21"));
    for (int i = 1; i <= 6; ++i)
        QVERIFY(game.cell(QString("txtGuess(%1)").arg(i))->isVisible());
    QVERIFY(game.cell("txtGuessOp(5)")->isVisible());
    const QFont big = game.cell<QPushButton>("cmdNums(6)")->font();
    const QFont small = game.cell<QPushButton>("cmdNums(3)")->font();
    QVERIFY(big.pixelSize() > small.pixelSize());
    QCOMPARE(small.pixelSize(), qRound(10 * 4.0 / 3.0));
    QCOMPARE(big.pixelSize(), qRound(14 * 4.0 / 3.0));
}

void TestMainWindow::clockTicksEverySecond()
{
    Game game;
    QCOMPARE(game.text("txtTimer"), QString("00"));
    QCOMPARE(game.timer("Timer1")->interval(), 1000);
    QCOMPARE(game.timer("Timer1")->timerType(), Qt::PreciseTimer);
    // The one test that lets a real timer tick.
    QTRY_COMPARE_WITH_TIMEOUT(game.text("txtTimer"), QString("1"), 3000);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
