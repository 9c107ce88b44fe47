#include "media/MediaFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace fw {

QString findMediaFile(const QString &bareName)
{
    const QString programDir
        = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    // The data folder the build was configured for, and the same folder
    // relative to the program, so an installed tree still works when it is
    // moved to another prefix.
    const QString places[] = {
        QDir::currentPath(),
        programDir,
        QStringLiteral(FIGUREWHEEL_DATADIR),
        programDir.isEmpty() ? QString() : programDir + QStringLiteral("/../share/figurewheel"),
    };
    for (const QString &place : places) {
        if (place.isEmpty())
            continue;
        const QString path = QDir(place).absoluteFilePath(bareName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return bareName;
}

} // namespace fw
