#include "sound/EffectSoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>

namespace fw {

EffectSoundPlayer::EffectSoundPlayer()
    : m_effect(std::make_unique<QSoundEffect>())
{
}

EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::play(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return;
    // QSoundEffect needs an absolute file URL; a bare name does not load.
    const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (m_effect->source() != url)
        m_effect->setSource(url);
    m_effect->play(); // queued until the file has loaded
}

QUrl EffectSoundPlayer::source() const
{
    return m_effect->source();
}

} // namespace fw
