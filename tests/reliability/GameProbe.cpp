// A scripted player on the real game. It starts exactly as the shipped
// program does (the same Module1 and Main, the same settings store in the
// user's configuration directory) and then plays with drag-and-drop events
// on the real cells, telling on standard output what it saw. The tests start
// it as a separate process, so they can damage its settings beforehand and
// kill it at any moment.
//
// Modes (the first argument):
//   ping                 prints "pong"; tells whether this user may run it
//   report               starts, prints the records it loaded, closes
//   play                 starts, solves twice (the clock at 3 and at 1 by
//                        the timer's handler), names the record holder
//                        "Zed", looks at the best-time window, closes
//   crash-at-celebration solves once the clock shows a second and stays in
//                        the celebration until it is killed
//   crash-at-naming      the same, but stays in the new-record window
//
// FIGUREWHEEL_PROBE_FILE_LIMIT=N in the environment caps the size of every
// file it writes at N bytes, as a full disk would: writes beyond fail.
// FIGUREWHEEL_PROBE_HOLD_MS=N keeps each celebration open N ms.
#include "app/Module1.h"
#include "board/Shown.h"
#include "cells/Showing.h"
#include "mainwindow/MainControls.h"
#include "screenreader/Install.h"
#include "shell/Startup.h"
#include "support/SolveByDrops.h"
#include "ui/Pictures.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

[[noreturn]] void giveUp(const QString &why)
{
    say(QStringLiteral("failed: ") + why);
    std::_Exit(3);
}

// Keeps the event loop running until `done` holds.
void waitFor(const std::function<bool()> &done, int ms, const QString &what)
{
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            giveUp(QStringLiteral("waited in vain for ") + what);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

class Player : public QObject {
public:
    Player(fw::Module1 &module, const QString &mode)
        : m_module(module)
        , m_mode(mode)
    {
        // Meets each modal window the game opens and does what the mode says.
        m_modalWatch.setInterval(10);
        connect(&m_modalWatch, &QTimer::timeout, this, &Player::meetModalWindow);
        m_modalWatch.start();
    }

    void run()
    {
        // Through the tutorial's button, or the splash's own timer, into the game.
        waitFor(
            [this] {
                for (QWidget *window : QApplication::topLevelWidgets()) {
                    if (window->objectName() == QLatin1String("frmNewUser")
                        && window->isVisible()) {
                        if (auto *button
                            = window->findChild<QPushButton *>(QStringLiteral("Command1")))
                            button->click();
                    }
                }
                return m_module.gMainForm && m_module.gMainForm->isVisible();
            },
            30000, QStringLiteral("the main window"));
        fw::FrmMain &game = *m_module.gMainForm;
        const fw::Records &records = m_module.records;
        say(QStringLiteral("loaded %1|%2|%3")
                .arg(records.gBestTime)
                .arg(records.gBestPlayer)
                .arg(records.gTimesPlayed));

        if (m_mode == QLatin1String("report")) {
            game.close();
            return;
        }
        if (m_mode.startsWith(QLatin1String("crash-at-"))) {
            // A real second on the real clock, then the solve.
            waitFor([&] { return game.puzzle().ClockShown.value_or(0) >= 1; }, 10000,
                QStringLiteral("the first tick"));
            solve(game);
            waitFor([] { return false; }, 60000, QStringLiteral("being killed"));
        }
        if (m_mode == QLatin1String("play")) {
            for (int tick = 0; tick < 3; ++tick)
                game.Timer1_Timer();
            solve(game);
            showBest(game);
            game.findChild<QPushButton *>(QStringLiteral("cmdNew"))->click();
            game.Timer1_Timer();
            solve(game);
            showBest(game);
            game.close();
            say(QStringLiteral("closed"));
            return;
        }
        giveUp(QStringLiteral("unknown mode ") + m_mode);
    }

private:
    void solve(fw::FrmMain &game)
    {
        const int before = m_celebrations;
        fwtest::solveByDrops(game);
        if (!game.puzzle().Done)
            giveUp(QStringLiteral("the row did not solve"));
        const auto clock = fw::shown(game.puzzle(), {fw::Control::txtTimer});
        say(QStringLiteral("solved at %1").arg(fw::cells::textFor(clock->text.value_or(""))));
        // The celebration (and any name window) come and go.
        waitFor([&] { return m_celebrations > before && !QApplication::activeModalWidget(); },
            30000, QStringLiteral("the celebration"));
    }

    void showBest(fw::FrmMain &game)
    {
        game.findChild<QAction *>(QStringLiteral("mnuBest"))->trigger();
    }

    void meetModalWindow()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_met)
            return;
        m_met = modal;
        const QString name = modal->objectName();
        const QString storedBest
            = m_module.store.read(QStringLiteral("Records"), QStringLiteral("BestTime"));
        if (name == QLatin1String("frmHooray")) {
            ++m_celebrations;
            if (m_mode == QLatin1String("crash-at-celebration")) {
                say(QStringLiteral("celebrating, best time stored %1").arg(storedBest));
                return;
            }
            const auto *dancers = modal->findChild<QLabel *>(QStringLiteral("DXAnimatedGIF1"));
            const bool dancing
                = dancers && dancers->movie() && dancers->movie()->state() == QMovie::Running;
            say(QStringLiteral("celebration '%1', %2")
                    .arg(modal->windowTitle(),
                        dancing ? QStringLiteral("dancing") : QStringLiteral("still")));
            const int holdMs = qEnvironmentVariableIntValue("FIGUREWHEEL_PROBE_HOLD_MS");
            if (holdMs > 0) {
                QPointer<QWidget> window(modal);
                QTimer::singleShot(holdMs, this, [window] {
                    if (window)
                        window->close();
                });
                return;
            }
        } else if (name == QLatin1String("frmNewRecord")) {
            if (m_mode == QLatin1String("crash-at-naming")) {
                say(QStringLiteral("naming, best time stored %1").arg(storedBest));
                return;
            }
            modal->findChild<QLineEdit *>(QStringLiteral("txtName"))
                ->setText(QStringLiteral("Zed"));
        } else if (name == QLatin1String("frmBest")) {
            say(QStringLiteral("best %1|%2")
                    .arg(modal->findChild<QLabel *>(QStringLiteral("lblBestTime"))->text(),
                        modal->findChild<QLabel *>(QStringLiteral("lblBestPlayer"))->text()));
        } else {
            say(QStringLiteral("unexpected window ") + name);
        }
        modal->close();
    }

    fw::Module1 &m_module;
    QString m_mode;
    QTimer m_modalWatch;
    QPointer<QWidget> m_met;
    int m_celebrations = 0;
};

// A disk that takes no more than `bytes` per file: writes past it fail
// with an error instead of stopping the program.
void limitFileSize(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const rlim_t limit = bytes.toULongLong();
    const rlimit size {limit, limit};
    std::signal(SIGXFSZ, SIG_IGN);
    if (::setrlimit(RLIMIT_FSIZE, &size) != 0)
        giveUp(QStringLiteral("cannot limit the file size"));
}

} // namespace

int main(int argc, char *argv[])
{
    limitFileSize(qgetenv("FIGUREWHEEL_PROBE_FILE_LIMIT"));
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("ping")) {
        say(QStringLiteral("pong"));
        return 0;
    }

    // The start-up of the shipped program.
    QApplication::setApplicationName(QStringLiteral("Figurewheel"));
    QApplication::setDesktopFileName(QStringLiteral("figurewheel"));
    QApplication::setWindowIcon(fw::ui::windowIcon());
    fw::screenreader::install();
    fw::Module1 module;
    module.records.gTimesPlayed = fw::readLaunchCount(module.store);
    say(QStringLiteral("launches %1").arg(module.records.gTimesPlayed));
    fw::Main(module.records.gTimesPlayed, [&module] { return module.createMainForm(); });

    // A crash mode waits to be killed; it gives up if that never comes.
    if (mode.startsWith(QLatin1String("crash-at-")))
        QTimer::singleShot(90000, [] { giveUp(QStringLiteral("nobody killed me")); });

    Player player(module, mode);
    QTimer::singleShot(0, &player, &Player::run);
    const int result = QApplication::exec();
    delete module.gMainForm;
    say(QStringLiteral("exit"));
    return result;
}
