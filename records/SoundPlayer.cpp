#include "records/SoundPlayer.h"

#include "records/MediaFiles.h"

#include <QFileInfo>
#include <QSoundEffect>

namespace fw {

EffectSoundPlayer::EffectSoundPlayer()
    : m_effect(std::make_unique<QSoundEffect>())
{
}

EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::play(const QString &bareName)
{
    const QString path = findMediaFile(bareName);
    if (!QFileInfo(path).isFile())
        return;
    // QSoundEffect needs an absolute file URL; a bare name does not load.
    const QUrl url = QUrl::fromLocalFile(path);
    if (m_effect->source() != url)
        m_effect->setSource(url);
    m_effect->play(); // queued until the file has loaded
}

QUrl EffectSoundPlayer::source() const
{
    return m_effect->source();
}

} // namespace fw
