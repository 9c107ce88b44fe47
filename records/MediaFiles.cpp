#include "records/MediaFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace fw {

QString findMediaFile(const QString &bareName)
{
    const QString places[] = {
        QDir::currentPath(),
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString(),
        QStringLiteral(FIGUREWHEEL_DATADIR),
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
