#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace fw {

// Plays a sound file named without a directory (see findMediaFile).
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &bareName) = 0;
};

// The sound module's one entry point (sound/SoundModule.cpp): a new player
// built on Qt Multimedia, owned by the caller. Its play() takes the path of
// an existing file.
using SoundModuleFactory = SoundPlayer *(*)();
inline constexpr char kSoundModuleFactory[] = "figurewheel_sound_player_v1";
inline constexpr char kSoundModuleFile[] = "libfigurewheel-sound.so";

// Plays through the sound module without waiting for the sound to end. The
// module, and Qt Multimedia with it, is opened on the first file found, so
// the game starts without them. A missing file, a module that cannot be found
// or loaded, or a machine without sound plays nothing.
// Create it after the application object and destroy it before.
class ModuleSoundPlayer final : public SoundPlayer {
public:
    // Looks for the module in moduleDirs(), in that order.
    ModuleSoundPlayer();
    explicit ModuleSoundPlayer(QStringList moduleDirs);
    ~ModuleSoundPlayer() override;

    void play(const QString &bareName) override;

    // Whether the module has been opened and made a player.
    bool isLoaded() const { return m_player != nullptr; }
    // The path last handed to the module's player (empty before the first).
    QString lastPlayed() const { return m_lastPlayed; }

    // Where the game looks for the module: beside the program (the build
    // tree), the private library folder relative to the program and as
    // configured, then ../lib/figurewheel beside the program.
    static QStringList moduleDirs();

private:
    void load();

    QStringList m_dirs;
    bool m_tried = false;
    std::unique_ptr<SoundPlayer> m_player;
    QString m_lastPlayed;
};

} // namespace fw
