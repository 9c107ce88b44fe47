// The sound module's entry point: the game opens this library on its first
// sound (fw::ModuleSoundPlayer), so Qt Multimedia loads only then.
#include "sound/EffectSoundPlayer.h"
#include "sound/MixerNames.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <dlfcn.h>

namespace {

// What the mixers show playing, in the player's language.
const char *const kStreamName = QT_TRANSLATE_NOOP("Figurewheel", "Celebration sound");

} // namespace

extern "C" Q_DECL_EXPORT fw::SoundPlayer *figurewheel_sound_player_v1()
{
    // The game's translation is installed long before its first sound.
    fw::setStreamName(QCoreApplication::translate("Figurewheel", kStreamName).toUtf8());
    fw::nameSoundConnection();
    return new fw::EffectSoundPlayer;
}

// Qt 6.4 names each stream it plays ("QtmPulseStream-<pid>-<address>") in
// this call to libpulse, and libpulse reads no variable for a stream's name.
// The libraries that come with this module, Qt Multimedia among them, find a
// function in the module before they look in libpulse, so Qt's call comes
// here and goes on to libpulse with the game's name for the stream.
extern "C" Q_DECL_EXPORT void *pa_stream_new_with_proplist(
    void *context, const char *name, const void *sampleFormat, const void *map, void *properties)
{
    using Create = void *(*)(void *, const char *, const void *, const void *, void *);
    static const auto create
        = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pa_stream_new_with_proplist"));
    if (!create)
        return nullptr;
    return create(context, fw::streamName(name), sampleFormat, map, properties);
}
