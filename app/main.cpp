// Figurewheel: an arithmetic puzzle game.
#include "app/Module1.h"
#include "screenreader/Install.h"
#include "shell/Startup.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Figurewheel"));
    QApplication::setDesktopFileName(QStringLiteral("figurewheel"));
    QApplication::setWindowIcon(fw::ui::windowIcon());
    // The game's one face for everything, also what Qt draws on its own.
    QApplication::setFont(fw::ui::defaultFont());
    fw::ui::installTranslations(fw::ui::playerLocale());
    fw::screenreader::install();

    fw::Module1 module;
    module.records.gTimesPlayed = fw::readLaunchCount(module.store);
    fw::Main(module.records.gTimesPlayed, [&module] { return module.createMainForm(); });
    const int result = QApplication::exec();
    delete module.gMainForm;
    return result;
}
