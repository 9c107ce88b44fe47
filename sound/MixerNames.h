#pragma once

#include <QByteArray>

// How the desktop's volume mixers (GNOME's and KDE's sound settings,
// pavucontrol, anything that asks the sound server) show the game's sound.
// Qt Multimedia's PulseAudio backend, which PipeWire's pulse layer also
// answers, names its connection "QtPulseAudio:<pid>" and each stream
// "QtmPulseStream-<pid>-<address>", and gives neither a role.
namespace fw {

// Gives the connection to the sound server the game's name "Figurewheel",
// its installed icon "figurewheel" and the role "event" (the desktop's
// volume for event sounds), through the variables libpulse reads when it
// connects: PULSE_PROP_OVERRIDE_application.name, for Qt names the
// connection itself, and PULSE_PROP_<key> for the others. The server hands
// them on to every stream that has none of its own. A key the player names
// in PULSE_PROP, PULSE_PROP_<key> or PULSE_PROP_OVERRIDE_<key> is left to
// them, and PULSE_PROP_OVERRIDE beats everything anyway. Does nothing when
// libpulse is not loaded. Call before Qt Multimedia's first sound.
void nameSoundConnection();

// The name each stream gets instead of Qt's "QtmPulseStream-...", as UTF-8;
// empty keeps Qt's.
void setStreamName(const QByteArray &name);

// The name to hand libpulse for a stream Qt names `qtName`.
const char *streamName(const char *qtName);

} // namespace fw
