// A puzzle solved with the real mouse: the game runs on an X server (the
// suite starts a virtual one) and xdotool presses, moves and releases the
// pointer, so drags go through the platform's own drag and drop.
#include "support/MainGame.h"
#include "support/ModalScript.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

using namespace fw;

class TestRealMouse : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void solveWithTheMouse();

private:
    QPoint centreOf(const QString &name) const;
    void drag(const QString &from, const QString &to);
    void click(const QString &name);

    FrmMain *m_window = nullptr;
};

void TestRealMouse::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("needs xdotool");
}

QPoint TestRealMouse::centreOf(const QString &name) const
{
    auto *widget = m_window->findChild<QWidget *>(name);
    if (!widget)
        qFatal("no control named %s", qPrintable(name));
    return widget->mapToGlobal(widget->rect().center());
}

// xdotool runs beside the game's event loop: a drag blocks inside the
// platform's drag loop until the button comes up, so never wait on it here.
void TestRealMouse::drag(const QString &from, const QString &to)
{
    const QPoint a = centreOf(from);
    const QPoint b = centreOf(to);
    const QPoint mid = (a + b) / 2;
    auto *xdotool = new QProcess(this);
    xdotool->start(QStringLiteral("xdotool"),
        {"mousemove", QString::number(a.x()), QString::number(a.y()), "sleep", "0.1", "mousedown",
            "1", "sleep", "0.1", "mousemove", QString::number(a.x() + 6),
            QString::number(a.y() + 6), "sleep", "0.1", "mousemove", QString::number(mid.x()),
            QString::number(mid.y()), "sleep", "0.1", "mousemove", QString::number(b.x()),
            QString::number(b.y()), "sleep", "0.2", "mouseup", "1"});
    QTRY_VERIFY_WITH_TIMEOUT(xdotool->state() == QProcess::NotRunning, 10000);
    QCOMPARE(xdotool->exitCode(), 0);
    QTest::qWait(150);
}

void TestRealMouse::click(const QString &name)
{
    const QPoint p = centreOf(name);
    QProcess::execute(QStringLiteral("xdotool"),
        {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    QTest::qWait(150);
}

void TestRealMouse::solveWithTheMouse()
{
    MainGame game; // pool 4, 2, 5 and the hidden row 5 X 4 + 2 = 22
    m_window = &game.window;
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->Timer1_Timer(); // the clock reads at least 1 at the solve, a record

    auto text = [&](const char *name) { return game.text(QString::fromLatin1(name)); };

    drag("txtNumber(1)", "txtGuess(2)");
    QCOMPARE(text("txtGuess(2)"), QString("4"));
    QCOMPARE(text("txtNumber(1)"), QString());
    drag("txtNumber(3)", "txtGuess(1)");
    drag("txtOp(4)", "txtGuessOp(1)");
    QCOMPARE(text("txtGuessOp(1)"), QString("X"));
    QCOMPARE(text("txtCurrentTotal"), QString("20"));
    // A number dropped on an operator cell is refused.
    drag("txtNumber(2)", "txtGuessOp(2)");
    QCOMPARE(text("txtGuessOp(2)"), QString());
    QCOMPARE(text("txtNumber(2)"), QString("2"));
    // Pressing a row cell takes its number back; drag it in again.
    click("txtGuess(2)");
    QCOMPARE(text("txtNumber(1)"), QString("4"));
    drag("txtNumber(1)", "txtGuess(2)");
    drag("txtOp(1)", "txtGuessOp(2)");

    ModalScript script({{"frmHooray"}, {"frmNewRecord"}});
    drag("txtNumber(2)", "txtGuess(3)");
    QCOMPARE(text("txtCurrentTotal"), QString("22"));
    QVERIFY(game.cell<QLabel>("lblDone")->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(script.titles.size(), 2, 15000);
    QCOMPARE(script.titles, (QStringList {"Congratulations!  You did it!", "Congratulations!"}));
    QCOMPARE(script.problems, QStringList());
    QCOMPARE(game.store.read("Records", "BestTime"), text("txtTimer"));
    QVERIFY(game.records.gBestTime >= 1);
    m_window = nullptr;
}

QTEST_MAIN(TestRealMouse)
#include "tst_realmouse.moc"
