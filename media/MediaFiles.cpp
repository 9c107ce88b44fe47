#include "media/MediaFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace fw {

QString findMediaFile(const QString &bareName)
{
    // The data folder the build was configured for, and the same folder
    // relative to the program, so an installed tree still works when it is
    // moved to another prefix.
    const QStringList places = QStringList {QDir::currentPath()}
        + foldersFromProgram({QStringLiteral("."), QStringLiteral(FIGUREWHEEL_DATADIR),
            QStringLiteral("../share/figurewheel")});
    for (const QString &place : places) {
        const QString path = QDir(place).absoluteFilePath(bareName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return bareName;
}

QStringList foldersFromProgram(std::initializer_list<QString> folders)
{
    const QString programDir
        = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    QStringList found;
    for (const QString &folder : folders) {
        if (QDir::isAbsolutePath(folder))
            found << folder;
        else if (!programDir.isEmpty())
            found << (folder == QLatin1String(".") ? programDir : programDir + u'/' + folder);
    }
    return found;
}

} // namespace fw
