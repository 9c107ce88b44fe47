#include "sound/SoundPlayer.h"

#include "media/MediaFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace fw {

ModuleSoundPlayer::ModuleSoundPlayer()
    : ModuleSoundPlayer(moduleDirs())
{
}

ModuleSoundPlayer::ModuleSoundPlayer(QStringList dirs)
    : m_dirs(std::move(dirs))
{
}

// The module stays loaded: its player is destroyed here, by its own code.
ModuleSoundPlayer::~ModuleSoundPlayer() = default;

QStringList ModuleSoundPlayer::moduleDirs()
{
    return foldersFromProgram({QStringLiteral("."), QStringLiteral(FIGUREWHEEL_SOUND_MODULE_RELDIR),
        QStringLiteral(FIGUREWHEEL_SOUND_MODULE_DIR), QStringLiteral("../lib/figurewheel")});
}

void ModuleSoundPlayer::load()
{
    m_tried = true;
    for (const QString &dir : std::as_const(m_dirs)) {
        const QString path = QDir(dir).absoluteFilePath(QString::fromLatin1(kSoundModuleFile));
        if (!QFileInfo(path).isFile())
            continue;
        QLibrary module(path);
        const auto create
            = reinterpret_cast<SoundModuleFactory>(module.resolve(kSoundModuleFactory));
        if (!create) {
            qWarning("Figurewheel: no sound: %s", qPrintable(module.errorString()));
            return;
        }
        m_player.reset(create());
        return;
    }
}

void ModuleSoundPlayer::play(const QString &bareName)
{
    const QString path = findMediaFile(bareName);
    if (!QFileInfo(path).isFile())
        return;
    if (!m_tried)
        load();
    if (!m_player)
        return;
    m_lastPlayed = QFileInfo(path).absoluteFilePath();
    m_player->play(m_lastPlayed);
}

} // namespace fw
