#pragma once

#include <QString>
#include <QUrl>

#include <memory>

class QSoundEffect;

namespace fw {

// Plays a sound file named without a directory (see findMediaFile).
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &bareName) = 0;
};

// Plays through Qt Multimedia without waiting for the sound to end. A
// missing or unplayable file, or a machine without sound, plays nothing.
// Create it after the application object and destroy it before.
class EffectSoundPlayer final : public SoundPlayer {
public:
    EffectSoundPlayer();
    ~EffectSoundPlayer() override;

    void play(const QString &bareName) override;

    // The file last played, as a file URL (empty before the first).
    QUrl source() const;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace fw
