#include "shell/Startup.h"
#include "shell/Version.h"
#include "WindowCleanup.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace fw;
using shelltest::flushDeletions;

namespace {

// Records what the screen looked like when the main window was shown.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(std::function<void()> onShow)
        : m_onShow(std::move(onShow))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            m_onShow();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onShow;
};

// A main-window factory that counts its calls and notes, at each step, whether
// the start-up window (splash or tutorial) was still on screen.
struct MainWindowProbe {
    int calls = 0;
    QPointer<QWidget> startWindow;
    QPointer<QWidget> mainWindow;
    bool startVisibleWhileLoading = false;
    bool mainVisibleWhileLoading = true;
    bool startVisibleWhenMainShown = true;
    int mainShows = 0;

    MainWindowFactory factory()
    {
        return [this]() -> QWidget * {
            ++calls;
            startVisibleWhileLoading = startWindow && startWindow->isVisible();
            auto *main = new QWidget;
            main->setObjectName(QStringLiteral("frmMain"));
            main->setAttribute(Qt::WA_DeleteOnClose);
            auto *watcher = new ShowWatcher([this] {
                ++mainShows;
                startVisibleWhenMainShown = startWindow && startWindow->isVisible();
            });
            watcher->setParent(main);
            main->installEventFilter(watcher);
            mainWindow = main;
            mainVisibleWhileLoading = main->isVisible();
            return main;
        };
    }
};

// Runs `step` inside the application's own event loop, the one that ends the
// program when its last window closes. Returns the loop's exit code: 0 if the
// program ended, kStillRunning if it was still running after `wait` ms.
constexpr int kStillRunning = 7;

int runInApplicationLoop(const std::function<void()> &step, int wait)
{
    QTimer::singleShot(0, qApp, step);
    QTimer limit; // goes with this call, so it cannot stop a later loop
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(kStillRunning); });
    limit.start(wait);
    return QCoreApplication::exec();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void launchCountChoosesFirstWindow_data();
    void launchCountChoosesFirstWindow();
    void splashLoad();
    void handOverOrder_data();
    void handOverOrder();
    void handOverRunsOnce_data();
    void handOverRunsOnce();
    void handOverDoesNotEndProgram();
    void tutorialClosedByFrameOpensNothing();
};

void TestStartup::cleanup()
{
    shelltest::destroyAllWindows();
}

void TestStartup::launchCountChoosesFirstWindow_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("window");

    QTest::newRow("negative") << -3 << "frmNewUser";
    QTest::newRow("fresh install") << 0 << "frmNewUser";
    QTest::newRow("last tutorial") << 14 << "frmNewUser";
    QTest::newRow("first splash") << 15 << "frmSplash";
    QTest::newRow("regular") << 16 << "frmSplash";
    QTest::newRow("largest") << 32767 << "frmSplash";
}

void TestStartup::launchCountChoosesFirstWindow()
{
    QFETCH(int, count);
    QFETCH(QString, window);

    MainWindowProbe probe;
    QWidget *first = Main(static_cast<std::int16_t>(count), probe.factory());

    QVERIFY(first);
    QCOMPARE(first->objectName(), window);
    QVERIFY(first->isVisible());
    QVERIFY(first->isWindow());
    QCOMPARE(first->windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(probe.calls, 0);
    QCOMPARE(shelltest::visibleWindowsNamed(window), 1);
    QCOMPARE(window == "frmSplash", qobject_cast<FrmSplash *>(first) != nullptr);
    QCOMPARE(window == "frmNewUser", qobject_cast<FrmNewUser *>(first) != nullptr);
}

// At load the splash shows the version text and arms its half-second timer.
void TestStartup::splashLoad()
{
    MainWindowProbe probe;
    QWidget *splash = Main(15, probe.factory());
    auto *version = splash->findChild<QLabel *>(QStringLiteral("lblVersion"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(versionText(), QStringLiteral("Version 1.0.0"));

    auto *timer = splash->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 500);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
}

void TestStartup::handOverOrder_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("key"); // how the tutorial's button is pressed; 0: clicked
    QTest::newRow("splash timer") << 15 << 0;
    QTest::newRow("tutorial button") << 14 << 0;
    QTest::newRow("tutorial button, Space") << 14 << int(Qt::Key_Space);
    QTest::newRow("tutorial button, Enter") << 14 << int(Qt::Key_Return);
}

// The main window is created and loaded while the start-up window is still on
// screen, and shown only once that window has gone.
void TestStartup::handOverOrder()
{
    QFETCH(int, count);
    QFETCH(int, key);

    MainWindowProbe probe;
    QWidget *first = Main(static_cast<std::int16_t>(count), probe.factory());
    probe.startWindow = first;

    if (auto *splash = qobject_cast<FrmSplash *>(first)) {
        splash->Timer1_Timer();
    } else {
        auto *button = first->findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(button);
        if (key == 0) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key(key));
        }
    }

    QCOMPARE(probe.calls, 1);
    QVERIFY(probe.startVisibleWhileLoading);
    QVERIFY(!probe.mainVisibleWhileLoading);
    QCOMPARE(probe.mainShows, 1);
    QVERIFY(!probe.startVisibleWhenMainShown);
    QVERIFY(probe.mainWindow);
    QVERIFY(probe.mainWindow->isVisible());
    QVERIFY(!probe.startWindow || !probe.startWindow->isVisible());

    flushDeletions();
    QVERIFY(probe.startWindow.isNull()); // destroyed, not merely hidden
    QVERIFY(probe.mainWindow);
}

void TestStartup::handOverRunsOnce_data()
{
    handOverOrder_data();
}

// A second tick or click that arrives before the start-up window has gone
// must not open a second main window.
void TestStartup::handOverRunsOnce()
{
    QFETCH(int, count);

    MainWindowProbe probe;
    QWidget *first = Main(static_cast<std::int16_t>(count), probe.factory());
    if (auto *splash = qobject_cast<FrmSplash *>(first)) {
        splash->Timer1_Timer();
        splash->Timer1_Timer();
    } else {
        auto *tutorial = qobject_cast<FrmNewUser *>(first);
        QVERIFY(tutorial);
        tutorial->Command1_Click();
        tutorial->Command1_Click();
    }
    QCOMPARE(probe.calls, 1);
    QCOMPARE(shelltest::visibleWindowsNamed(QStringLiteral("frmMain")), 1);
}

void TestStartup::handOverDoesNotEndProgram()
{
    MainWindowProbe probe;
    auto *splash = qobject_cast<FrmSplash *>(Main(15, probe.factory()));
    QVERIFY(splash);
    QCOMPARE(runInApplicationLoop([splash] { splash->Timer1_Timer(); }, 300), kStillRunning);
    QVERIFY(probe.mainWindow && probe.mainWindow->isVisible());

    // The main window keeps the usual rule: closing it ends the program.
    QPointer<QWidget> main = probe.mainWindow;
    QCOMPARE(runInApplicationLoop([main] { main->close(); }, 3000), 0);
}

void TestStartup::tutorialClosedByFrameOpensNothing()
{
    MainWindowProbe probe;
    QPointer<QWidget> tutorial = Main(14, probe.factory());
    QVERIFY(tutorial);

    // No window remains, so the program ends.
    QCOMPARE(runInApplicationLoop([tutorial] { tutorial->close(); }, 3000), 0);
    flushDeletions();

    QCOMPARE(probe.calls, 0);
    QVERIFY(tutorial.isNull());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
