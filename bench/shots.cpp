// Shows one of the game's windows, still, for a screenshot taken from outside
// (scripts/screenshots.sh): the main window with a fixed puzzle and stopped
// clock, the splash, the tutorial, About, the help window, the celebration
// (first frame), the new-record window and the best-player window, in the
// environment's language as the game would be, each built as the tests build
// it (tests/support). Prints "ready" once shown.
#include "support/AllWindows.h"
#include "support/MainGame.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QMovie>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Figurewheel"));
    QApplication::setWindowIcon(fw::ui::windowIcon());
    QApplication::setFont(fw::ui::defaultFont());
    fw::ui::installTranslations(fw::ui::playerLocale());
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main");

    // The windows the tests build: the main window on a die that counts
    // 1, 2, ..., 6 and round again, loaded only when it is the one shown.
    const QStringList names {
        "main", "splash", "tutorial", "about", "help", "hooray", "newrecord", "best"};
    if (!names.contains(which)) {
        std::fprintf(stderr, "unknown window\n");
        return 2;
    }
    std::vector<int> faces(600);
    for (std::size_t n = 0; n < faces.size(); ++n)
        faces[n] = int(n % 6) + 1;
    MainGame game(faces, which == QLatin1String("main") ? MainGame::Loaded : MainGame::Built);
    game.records.gBestPlayer = QStringLiteral("Somebody Quick");
    game.records.gBestTime = 42;
    const std::unique_ptr<QWidget> secondary
        = makeSecondaryWindow(kAllWindows[names.indexOf(which)], nullptr, game.sound, game.records);
    QWidget *window = secondary ? secondary.get() : &game.window;
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
