// The sound module's entry point: the game opens this library on its first
// sound (fw::ModuleSoundPlayer), so Qt Multimedia loads only then.
#include "sound/EffectSoundPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT fw::SoundPlayer *figurewheel_sound_player_v1()
{
    return new fw::EffectSoundPlayer;
}
