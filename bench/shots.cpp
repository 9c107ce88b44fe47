// Shows one of the game's windows, still, for a screenshot taken from outside
// (scripts/screenshots.sh): the main window with a fixed puzzle and stopped
// clock, the splash, the tutorial, About, the help window, the celebration
// (first frame), the new-record window and the best-player window, in the
// environment's language as the game would be. Prints "ready" once shown.
#include "celebration/FrmHooray.h"
#include "core/Die.h"
#include "mainwindow/FrmMain.h"
#include "records/FrmBest.h"
#include "records/FrmNewRecord.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "shell/FrmAbout.h"
#include "shell/FrmHelp.h"
#include "shell/FrmNewUser.h"
#include "shell/FrmSplash.h"
#include "sound/SoundPlayer.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QMovie>
#include <QTimer>

#include <cstdio>

namespace {

class FixedDie final : public fw::Die {
public:
    std::int16_t RollDie() override { return std::int16_t(m_next++ % 6 + 1); }

private:
    int m_next = 0;
};

class SilentPlayer final : public fw::SoundPlayer {
public:
    void play(const QString &) override { }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Figurewheel"));
    QApplication::setWindowIcon(fw::ui::windowIcon());
    QApplication::setFont(fw::ui::defaultFont());
    fw::ui::installTranslations(fw::ui::playerLocale());
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main");

    FixedDie die;
    fw::IniSettingsStore store;
    fw::Records records;
    records.gBestPlayer = QStringLiteral("Somebody Quick");
    records.gBestTime = 42;
    SilentPlayer sound;
    const auto noMain = [] { return new QWidget; };

    QWidget *window = nullptr;
    if (which == QLatin1String("main")) {
        auto *main = new fw::FrmMain(die, store, records, sound);
        main->Form_Load();
        window = main;
    } else if (which == QLatin1String("splash")) {
        window = new fw::FrmSplash(noMain);
    } else if (which == QLatin1String("tutorial")) {
        window = new fw::FrmNewUser(noMain);
    } else if (which == QLatin1String("about")) {
        window = new fw::FrmAbout(nullptr);
    } else if (which == QLatin1String("help")) {
        window = new fw::FrmHelp(nullptr);
    } else if (which == QLatin1String("hooray")) {
        window = new fw::FrmHooray(sound);
    } else if (which == QLatin1String("newrecord")) {
        window = new fw::FrmNewRecord(records);
    } else if (which == QLatin1String("best")) {
        window = new fw::FrmBest(records);
    } else {
        std::fprintf(stderr, "unknown window\n");
        return 2;
    }
    // Nothing moves while the picture is taken.
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    window->move(20, 20);
    window->show();
    QTimer::singleShot(300, window, [window] {
        for (QTimer *timer : window->findChildren<QTimer *>())
            timer->stop();
        for (QMovie *movie : window->findChildren<QMovie *>()) {
            movie->setPaused(true);
            movie->jumpToFrame(0);
        }
        window->repaint();
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return QApplication::exec();
}
