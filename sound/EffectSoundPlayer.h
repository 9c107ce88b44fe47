#pragma once

#include "sound/SoundPlayer.h"

#include <QUrl>

#include <memory>

class QSoundEffect;

namespace fw {

// Plays through Qt Multimedia without waiting for the sound to end. play()
// takes the path of a file, absolute or from the working directory; a
// missing or unplayable file, or a machine without sound, plays nothing.
// Create it after the application object and destroy it before.
class EffectSoundPlayer final : public SoundPlayer {
public:
    EffectSoundPlayer();
    ~EffectSoundPlayer() override;

    void play(const QString &file) override;

    // The file last played, as a file URL (empty before the first).
    QUrl source() const;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace fw
