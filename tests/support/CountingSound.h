#pragma once

#include "sound/SoundPlayer.h"

#include <QStringList>

// The one fake sound player: remembers every sound the game asks for,
// in order, instead of playing it.
class CountingSound final : public fw::SoundPlayer {
public:
    void play(const QString &bareName) override { played << bareName; }
    QStringList played;
};
