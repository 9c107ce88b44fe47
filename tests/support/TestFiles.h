#pragma once

// The files a test writes and reads in its private test dir, and the game's
// own settings file removed so that a case starts from an empty store.

#include "records/SettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtTest/QTest>

namespace fwtest {

// The private directory every test runs in (support/TestEnvironment.cpp).
inline QString testDir()
{
    return QString::fromLocal8Bit(qgetenv("FIGUREWHEEL_TEST_DIR"));
}

// Writes the bytes as the whole file, making its directory if need be.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The whole file, or nothing when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Removes the settings file the game reads by default: the next main window
// starts from an empty store.
inline void resetSettings()
{
    QFile::remove(fw::IniSettingsStore::defaultFilePath());
}

} // namespace fwtest
