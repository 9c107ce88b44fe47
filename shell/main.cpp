// Figurewheel: an arithmetic puzzle game.
#include "shell/Module1.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Figurewheel"));
    QApplication::setDesktopFileName(QStringLiteral("figurewheel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));

    fw::Module1 module;
    module.records.gTimesPlayed = fw::readLaunchCount(module.store);
    fw::Main(module.records.gTimesPlayed, [&module] { return module.createMainForm(); });
    const int result = QApplication::exec();
    delete module.gMainForm;
    return result;
}
