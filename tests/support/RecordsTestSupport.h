#pragma once

// Shared by the tests of the records, the celebration and the sound: an
// in-memory store that logs its writes, a silent wave file and helpers for
// settings files in the private test dir. With them come the fake sound
// player, the modal-window script and the file helpers.

#include "records/SettingsStore.h"
#include "support/CountingSound.h"
#include "support/ModalScript.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSettings>
#include <QStringList>
#include <QtEndian>
#include <QtTest>

namespace fwtest {

// The store as a map; every write and every window opened can be logged in
// one list, so a test sees their order.
class MemoryStore final : public fw::SettingsStore {
public:
    explicit MemoryStore(QStringList *log = nullptr)
        : m_log(log)
    {
    }

    QString read(const QString &section, const QString &key,
        const QString &defaultText = QString()) const override
    {
        return values.value(section + u'/' + key, defaultText);
    }
    void write(const QString &section, const QString &key, const QString &text) override
    {
        values.insert(section + u'/' + key, text);
        if (m_log)
            m_log->append(QStringLiteral("write %1/%2=%3").arg(section, key, text));
    }

    QMap<QString, QString> values;

private:
    QStringList *m_log;
};

// A settings file path of its own for each call, in the private test dir.
inline QString freshStorePath()
{
    static int serial = 0;
    const QString dir = testDir() + QStringLiteral("/store-%1").arg(++serial);
    QDir().mkpath(dir);
    return dir + QStringLiteral("/Figurewheel.conf");
}

// Reads a value as it stands in the file on disk. QSettings shares what it
// has read among the objects of one process, so the file is copied to a
// name no object has opened yet and read from there.
inline QString readFromDisk(const QString &path, const QString &section, const QString &key,
    const QString &defaultText = QStringLiteral("<missing>"))
{
    static int serial = 0;
    const QString copy = testDir() + QStringLiteral("/disk-copy-%1.conf").arg(++serial);
    if (!QFile::copy(path, copy))
        return QStringLiteral("<no file>");
    const QString text = fw::IniSettingsStore(copy).read(section, key, defaultText);
    QFile::remove(copy);
    return text;
}

// A tenth of a second of silence as a PCM wave file, made here.
inline QByteArray silentWave()
{
    constexpr quint32 rate = 8000;
    const QByteArray samples(rate / 10 * 2, '\0');
    QByteArray wave;
    const auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wave.append(b, 4);
    };
    const auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wave.append(b, 2);
    };
    wave.append("RIFF");
    u32(quint32(36 + samples.size()));
    wave.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    wave.append("data");
    u32(quint32(samples.size()));
    wave.append(samples);
    return wave;
}

} // namespace fwtest
