#pragma once

// Shared by the records tests: an in-memory store that logs its writes, a
// sound player that counts, a script that meets modal windows as they open
// and closes them, a silent wave file and helpers for settings files in the
// private test dir.

#include "records/SettingsStore.h"
#include "sound/SoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPointer>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtEndian>
#include <QtTest>

#include <functional>

namespace fwtest {

// The store as a map; every write and every window opened can be logged in
// one list, so a test sees their order.
class MemoryStore final : public fw::SettingsStore {
public:
    explicit MemoryStore(QStringList *log = nullptr) : m_log(log) { }

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

class CountingSound final : public fw::SoundPlayer {
public:
    void play(const QString &bareName) override { names.append(bareName); }
    QStringList names;
};

inline QString testDir()
{
    return QString::fromLocal8Bit(qgetenv("FIGUREWHEEL_TEST_DIR"));
}

// A settings file path of its own for each call, in the private test dir.
inline QString freshStorePath()
{
    static int serial = 0;
    const QString dir = testDir() + QStringLiteral("/store-%1").arg(++serial);
    QDir().mkpath(dir);
    return dir + QStringLiteral("/Figurewheel.conf");
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
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

// Meets the modal windows the code under test opens, in the expected
// order: each step names the window, may act on it, and then closes it as
// the frame's close control does (at once, or after closeAfterMs). Any
// other window, or none within the time limit, fails the test and is
// closed so the test cannot hang.
class ModalScript : public QObject {
public:
    struct Step {
        QString name;
        std::function<void(QWidget *)> act = {};
        int closeAfterMs = 0;
    };

    explicit ModalScript(QList<Step> steps, int stepTimeoutMs = 15000)
        : m_steps(std::move(steps)), m_stepTimeoutMs(stepTimeoutMs)
    {
        m_poll.setInterval(5);
        connect(&m_poll, &QTimer::timeout, this, &ModalScript::poll);
        m_poll.start();
        m_sinceStep.start();
    }

    QStringList seen;      // names of the windows met, in order
    QStringList problems;  // anything that went wrong

private:
    void poll()
    {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || window == m_handled) {
            if (!m_steps.isEmpty() && m_sinceStep.hasExpired(m_stepTimeoutMs)) {
                problems.append(QStringLiteral("no window %1 opened").arg(m_steps.first().name));
                m_steps.clear();
            }
            if (window && m_sinceStep.hasExpired(m_stepTimeoutMs + m_closeAfterMs))
                window->close();
            return;
        }
        m_handled = window;
        m_sinceStep.restart();
        seen.append(window->objectName());
        if (m_steps.isEmpty() || m_steps.first().name != window->objectName()) {
            problems.append(QStringLiteral("unexpected window %1").arg(window->objectName()));
            window->close();
            return;
        }
        const Step step = m_steps.takeFirst();
        if (step.act)
            step.act(window);
        m_closeAfterMs = step.closeAfterMs;
        if (step.closeAfterMs > 0) {
            QPointer<QWidget> target(window);
            QTimer::singleShot(step.closeAfterMs, Qt::PreciseTimer, this, [target] {
                if (target)
                    target->close();
            });
        } else if (window->isVisible()) {
            window->close();
        }
    }

    QList<Step> m_steps;
    int m_stepTimeoutMs;
    int m_closeAfterMs = 0;
    QTimer m_poll;
    QElapsedTimer m_sinceStep;
    QPointer<QWidget> m_handled;
};

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
