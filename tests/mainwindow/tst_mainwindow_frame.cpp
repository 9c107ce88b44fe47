// The main window as a window: where it opens, what it stores when it
// closes, the windows it takes with it, and the menu's windows.
#include "support/MainGame.h"
#include "support/ModalScript.h"
#include "support/TestFiles.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace fw;

namespace {

// The main window deleted when closed, as the game's is.
struct Game : MainGame {
    Game() { window.setAttribute(Qt::WA_DeleteOnClose); }
};

} // namespace

class TestMainWindowFrame : public QObject {
    Q_OBJECT
private slots:
    void init() { fwtest::resetSettings(); }
    void movedWindowReopensWhereItWas();
    void closingMinimisedStoresNothing();
    void positionOffEveryScreenIsBroughtBack_data();
    void positionOffEveryScreenIsBroughtBack();
    void closingTakesEveryOtherWindow();
    void menuWindows();
    void clockKeepsCountingWhileBestIsOpen();
};

void TestMainWindowFrame::movedWindowReopensWhereItWas()
{
    {
        Game game;
        QCOMPARE(game.window.pos(), QPoint(ui::px(1000), ui::px(1000)));
        QCOMPARE(game.window.size(), ui::twipsSize(9500, 7000));
        game.window.move(200, 150);
        game.window.resize(800, 600);
        QTest::qWait(20);
        game.window.close();
        QTRY_VERIFY(!game.alive);
        QCOMPARE(game.store.read("Settings", "MainLeft"), QString("3000"));
        QCOMPARE(game.store.read("Settings", "MainTop"), QString("2250"));
        // The size is the one the window is opened with, without the frame.
        QCOMPARE(game.store.read("Settings", "MainWidth"), QString("12000"));
        QCOMPARE(game.store.read("Settings", "MainHeight"), QString("9000"));
    }
    Game again;
    QCOMPARE(again.window.pos(), QPoint(200, 150));
    QCOMPARE(again.window.size(), ui::twipsSize(9500, 7000));
    again.window.close();
    QTRY_VERIFY(!again.alive);
    QCOMPARE(again.store.read("Settings", "MainWidth"), QString("9500"));
    QCOMPARE(again.store.read("Settings", "MainHeight"), QString("7000"));
}

void TestMainWindowFrame::closingMinimisedStoresNothing()
{
    IniSettingsStore().write("Settings", "MainLeft", "1500");
    Game game;
    game.window.showMinimized();
    QTRY_VERIFY(game.window.isMinimized());
    game.window.close();
    QCOMPARE(game.store.read("Settings", "MainLeft"), QString("1500"));
    QCOMPARE(game.store.read("Settings", "MainWidth", "none"), QString("none"));
}

void TestMainWindowFrame::positionOffEveryScreenIsBroughtBack_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<bool>("kept");
    QTest::newRow("visible") << "1500"
                             << "1200" << true;
    QTest::newRow("partly visible") << "-3000"
                                    << "600" << true;
    QTest::newRow("far left") << "-90000"
                              << "1000" << false;
    QTest::newRow("far below") << "1000"
                               << "300000" << false;
    QTest::newRow("beyond single precision") << "1e39"
                                             << "1000" << true; // read as the default
}

void TestMainWindowFrame::positionOffEveryScreenIsBroughtBack()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(bool, kept);
    IniSettingsStore store;
    store.write("Settings", "MainLeft", left);
    store.write("Settings", "MainTop", top);
    Game game;
    const QRect frame(game.window.pos(), game.window.size());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(screen.intersects(frame));
    if (kept && left != "1e39")
        QCOMPARE(game.window.pos(), QPoint(ui::px(left.toInt()), ui::px(top.toInt())));
}

void TestMainWindowFrame::closingTakesEveryOtherWindow()
{
    Game game;
    game.window.mnuHelp_Click();
    QPointer<QWidget> help;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("frmHelp"))
            help = widget;
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QPointer<QWidget> hidden = new QWidget;
    hidden->setObjectName("someHiddenWindow");
    game.window.close();
    QTRY_VERIFY(!help);
    QTRY_VERIFY(!hidden);
}

void TestMainWindowFrame::menuWindows()
{
    Game game;
    ModalScript script({{"frmBest"}, {"frmAbout"}});
    game.window.mnuBest_Click();
    game.window.mnuHelpAbout_Click();
    QCOMPARE(script.titles, (QStringList {"Who's Best?", "About Figurewheel"}));
    QCOMPARE(script.problems, QStringList());

    game.window.mnuHelp_Click();
    game.window.mnuHelp_Click();
    int helpWindows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        helpWindows += widget->objectName() == QLatin1String("frmHelp") && widget->isVisible();
    QCOMPARE(helpWindows, 1);
}

void TestMainWindowFrame::clockKeepsCountingWhileBestIsOpen()
{
    Game game;
    auto *clock = game.window.findChild<QLineEdit *>("txtTimer");
    QCOMPARE(clock->text(), QString("00"));
    ModalScript script({{"frmBest", {}, 1500}});
    game.window.mnuBest_Click();
    QCOMPARE(script.seen, QStringList {"frmBest"});
    QCOMPARE(script.problems, QStringList());
    QCOMPARE(clock->text(), QString("1"));
}

QTEST_MAIN(TestMainWindowFrame)
#include "tst_mainwindow_frame.moc"
