#pragma once

#include "sound/SoundPlayer.h"

#include <QStringList>

// Remembers every sound the game asks for instead of playing it.
class CountingSound final : public fw::SoundPlayer {
public:
    void play(const QString &bareName) override { played << bareName; }
    QStringList played;
};
