#include "sound/MixerNames.h"

#include <QtGlobal>

#include <dlfcn.h>

namespace fw {

namespace {

struct Property {
    const char *key;
    const char *value;
    // Qt sets it itself, so only an override takes its place.
    bool setByQt;
};

constexpr Property kProperties[] = {
    {"application.name", "Figurewheel", true},
    {"application.icon_name", "figurewheel", false},
    {"media.role", "event", false},
};

constexpr char kQtStreamPrefix[] = "QtmPulseStream-";

QByteArray g_streamName;

// libpulse's own property-list functions, from the libpulse Qt Multimedia
// loaded, so the player's PULSE_PROP is read exactly as libpulse reads it.
struct PropertyLists {
    void *(*fromString)(const char *) = nullptr;
    int (*contains)(const void *, const char *) = nullptr;
    void (*release)(void *) = nullptr;

    PropertyLists()
    {
        fromString = reinterpret_cast<decltype(fromString)>(
            dlsym(RTLD_DEFAULT, "pa_proplist_from_string"));
        contains
            = reinterpret_cast<decltype(contains)>(dlsym(RTLD_DEFAULT, "pa_proplist_contains"));
        release = reinterpret_cast<decltype(release)>(dlsym(RTLD_DEFAULT, "pa_proplist_free"));
    }
    bool found() const { return fromString && contains && release; }
};

} // namespace

void nameSoundConnection()
{
    const PropertyLists lists;
    if (!lists.found())
        return;
    // A list libpulse cannot read, it ignores whole: then it names nothing.
    void *playerList = nullptr;
    if (const QByteArray list = qgetenv("PULSE_PROP"); !list.isEmpty())
        playerList = lists.fromString(list.constData());
    for (const Property &property : kProperties) {
        const QByteArray key(property.key);
        const QByteArray ours = (property.setByQt ? "PULSE_PROP_OVERRIDE_" : "PULSE_PROP_") + key;
        if (qEnvironmentVariableIsSet(("PULSE_PROP_" + key).constData())
            || qEnvironmentVariableIsSet(("PULSE_PROP_OVERRIDE_" + key).constData())
            || (playerList && lists.contains(playerList, property.key) == 1))
            continue;
        qputenv(ours.constData(), property.value);
    }
    if (playerList)
        lists.release(playerList);
}

void setStreamName(const QByteArray &name)
{
    g_streamName = name;
}

const char *streamName(const char *qtName)
{
    if (g_streamName.isEmpty() || !qtName
        || qstrncmp(qtName, kQtStreamPrefix, sizeof kQtStreamPrefix - 1) != 0)
        return qtName;
    return g_streamName.constData();
}

} // namespace fw
