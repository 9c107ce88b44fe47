// The game played from the keyboard alone: key events arrive at whichever
// control has the focus, as they do for a player, and the windows a solve
// opens really open and are closed by the test. What a screen reader says
// along the way is heard by the screen-reader test; where each arrow key
// leads is checked without a window (board/tst_neighbour).
#include "cells/CellBox.h"
#include "screenreader/Install.h"
#include "support/MainGame.h"
#include "support/ModalScript.h"
#include "support/TestFiles.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

using namespace fw;

namespace {

// The main window, active, with the focus on "New Game".
struct Game : MainGame {
    Game()
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the main window did not become active");
        named("cmdNew")->setFocus(Qt::OtherFocusReason);
    }
    QWidget *named(const QString &name) const { return cell<QWidget>(name); }
    QString focused() const { return QApplication::focusWidget()->objectName(); }
    bool held(const QString &name) const
    {
        return static_cast<cells::CellBox *>(named(name))->isHeld();
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    // Tab until the named control has the focus, as a player would.
    void tabTo(const QString &name)
    {
        for (int n = 0; n < 50 && focused() != name; ++n)
            key(Qt::Key_Tab);
        QCOMPARE(focused(), name);
    }
};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void solveWithKeysAlone();
    void shortcuts();
    void focusFrameOnlyFromKeys();
    void solveWithRealKeys();
};

void TestKeyboard::initTestCase()
{
    // The cells read as the game reads them, held or not.
    fw::screenreader::install();
}

void TestKeyboard::init()
{
    fwtest::resetSettings(); // every case starts from an empty settings store
}

void TestKeyboard::solveWithKeysAlone()
{
    Game game;
    for (int n = 0; n < 3; ++n)
        game.window.Timer1_Timer(); // three seconds: a record

    // Pick up the 5, think better of it, pick it up again.
    game.tabTo("txtNumber(1)");
    game.key(Qt::Key_Right);
    game.key(Qt::Key_Right);
    QCOMPARE(game.focused(), QString("txtNumber(3)"));
    game.key(Qt::Key_Return);
    QVERIFY(game.held("txtNumber(3)"));
    QVERIFY(QAccessible::queryAccessibleInterface(game.named("txtNumber(3)"))->state().checked);
    game.key(Qt::Key_Escape);
    QVERIFY(!game.held("txtNumber(3)"));
    game.key(Qt::Key_Space);
    QVERIFY(game.held("txtNumber(3)"));

    // Put it on the row's first cell; the focus stays there.
    game.tabTo("txtGuess(1)");
    game.key(Qt::Key_Space);
    QCOMPARE(game.text("txtGuess(1)"), QString("5"));
    QCOMPARE(game.text("txtNumber(3)"), QString());
    QVERIFY(!game.held("txtNumber(3)"));
    QCOMPARE(game.focused(), QString("txtGuess(1)"));
    // The emptied pool cell cannot be picked up.
    game.tabTo("txtNumber(3)");
    game.key(Qt::Key_Space);
    QVERIFY(!game.held("txtNumber(3)"));

    // Picking up another cell replaces the hold; an operator held over a
    // number cell is refused, and the hand empties.
    game.tabTo("txtOp(1)");
    game.key(Qt::Key_Enter);
    game.key(Qt::Key_Right);
    game.key(Qt::Key_Enter);
    QVERIFY(game.held("txtOp(4)"));
    QVERIFY(!game.held("txtOp(1)"));
    game.tabTo("txtGuess(2)");
    game.key(Qt::Key_Space);
    QCOMPARE(game.text("txtGuess(2)"), QString());
    QVERIFY(!game.held("txtOp(4)"));

    // Nothing held: Space on a row number takes it back.
    game.key(Qt::Key_Left);
    game.key(Qt::Key_Left);
    QCOMPARE(game.focused(), QString("txtGuess(1)"));
    game.key(Qt::Key_Space);
    QCOMPARE(game.text("txtGuess(1)"), QString());
    QCOMPARE(game.text("txtNumber(3)"), QString("5"));
    // Typing into a locked cell changes nothing.
    game.key(Qt::Key_7);
    game.key(Qt::Key_Backspace);
    game.key(Qt::Key_Delete);
    QCOMPARE(game.text("txtGuess(1)"), QString());

    // An operator put in and cleared again.
    game.tabTo("txtOp(1)");
    game.key(Qt::Key_Space);
    game.tabTo("txtGuessOp(2)");
    game.key(Qt::Key_Space);
    QCOMPARE(game.text("txtGuessOp(2)"), QString("+"));
    game.key(Qt::Key_Space);
    QCOMPARE(game.text("txtGuessOp(2)"), QString());

    // 5 X 4 + 2, each picked up and put down by key.
    const std::vector<std::pair<QString, QString>> moves {{"txtNumber(3)", "txtGuess(1)"},
        {"txtOp(4)", "txtGuessOp(1)"}, {"txtNumber(1)", "txtGuess(2)"},
        {"txtOp(1)", "txtGuessOp(2)"}};
    for (const auto &[from, to] : moves) {
        game.tabTo(from);
        game.key(Qt::Key_Space);
        game.tabTo(to);
        game.key(Qt::Key_Space);
    }
    QCOMPARE(game.text("txtCurrentTotal"), QString("20"));

    ModalScript script({{"frmHooray"}, {"frmNewRecord"}});
    game.tabTo("txtNumber(2)");
    game.key(Qt::Key_Space);
    game.tabTo("txtGuess(3)");
    game.key(Qt::Key_Return);
    QCOMPARE(game.text("txtCurrentTotal"), QString("22"));
    QCOMPARE(game.text("lblDone"), QString("!!!Way to go!!!"));
    QTRY_COMPARE_WITH_TIMEOUT(script.seen, (QStringList {"frmHooray", "frmNewRecord"}), 10000);
    QCOMPARE(script.problems, QStringList());
    QCOMPARE(game.store.read("Records", "BestTime"), QString("3"));
}

void TestKeyboard::shortcuts()
{
    Game game;
    // A hint shows solution cells.
    game.die.push({1, 6, 6});
    game.tabTo("cmdHint");
    game.key(Qt::Key_Space);
    QVERIFY(game.named("txtAnswer(1)")->isVisible());

    // A held number is put back by a new game.
    game.tabTo("txtNumber(1)");
    game.key(Qt::Key_Space);
    QVERIFY(game.held("txtNumber(1)"));
    game.die.push({6, 5, 4, 3, 2, 1, 1, 1, 2, 1, 3});
    game.key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(game.die.left(), std::size_t(0));
    QCOMPARE(game.text("txtNumber(1)"), QString("6"));
    QVERIFY(!game.held("txtNumber(1)"));

    game.key(Qt::Key_F1);
    QPointer<QWidget> help;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmHelp" && window->isVisible())
            help = window;
    QVERIFY(help);

    game.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    game.key(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!game.window.isVisible());
    QTRY_VERIFY(!help || !help->isVisible());
}

// The focus frame shows where the keyboard brought the focus, and never
// after a click, also once the window has been away and come back.
void TestKeyboard::focusFrameOnlyFromKeys()
{
    Game game;
    QWidget *cell = game.named("txtGuess(1)");
    const auto framed
        = [cell] { return QColor(cell->grab().toImage().pixel(1, 1)) == QColor(Qt::black); };
    QTest::mouseClick(cell, Qt::LeftButton);
    QCOMPARE(game.focused(), QString("txtGuess(1)"));
    QVERIFY(!framed());
    for (QEvent::Type type : {QEvent::FocusOut, QEvent::FocusIn}) {
        QFocusEvent away(type, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(cell, &away);
    }
    QVERIFY(!framed());
    game.key(Qt::Key_Tab, Qt::ShiftModifier);
    game.tabTo("txtGuess(1)");
    QVERIFY(framed());
}

// A whole game with real key presses: xdotool types them on the X server,
// so they come through the platform like a player's.
void TestKeyboard::solveWithRealKeys()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("needs xdotool");
    Game game;
    game.window.Timer1_Timer(); // the clock reads at least 1 at the solve: a record
    const auto press = [&](const QString &keys) {
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                     QStringList {"key", "--delay", "30"} + keys.split(' ')),
            0);
        QTest::qWait(100); // let the X server's events arrive
    };
    // As many Tabs as the focus chain needs to reach the control, in one go.
    const auto tabTo = [&](const QString &name) {
        QStringList tabs;
        for (QWidget *w = QApplication::focusWidget();
             w->objectName() != name && tabs.size() < 60;) {
            w = w->nextInFocusChain();
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                tabs << QStringLiteral("Tab");
        }
        if (!tabs.isEmpty())
            press(tabs.join(' '));
        QCOMPARE(game.focused(), name);
    };
    const auto move = [&](const QString &from, const QString &to) {
        tabTo(from);
        press(QStringLiteral("space"));
        tabTo(to);
        press(QStringLiteral("space"));
    };

    move("txtNumber(1)", "txtGuess(2)");
    QCOMPARE(game.text("txtGuess(2)"), QString("4"));
    // A number held over an operator cell is refused.
    move("txtNumber(2)", "txtGuessOp(1)");
    QCOMPARE(game.text("txtGuessOp(1)"), QString());
    QCOMPARE(game.text("txtNumber(2)"), QString("2"));
    // Escape puts back what is held.
    tabTo("txtNumber(3)");
    press(QStringLiteral("Return Escape"));
    QVERIFY(!game.held("txtNumber(3)"));
    move("txtNumber(3)", "txtGuess(1)");
    move("txtOp(4)", "txtGuessOp(1)");
    move("txtOp(1)", "txtGuessOp(2)");
    QCOMPARE(game.text("txtCurrentTotal"), QString("20"));

    ModalScript script({{"frmHooray"}, {"frmNewRecord"}});
    move("txtNumber(2)", "txtGuess(3)");
    QCOMPARE(game.text("txtCurrentTotal"), QString("22"));
    QTRY_COMPARE_WITH_TIMEOUT(script.seen, (QStringList {"frmHooray", "frmNewRecord"}), 15000);
    QCOMPARE(script.problems, QStringList());
    QCOMPARE(game.store.read("Records", "BestTime"), game.text("txtTimer"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
