#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace fw {

// Held while one copy of the game reads a stored value and writes back a
// value computed from it; other copies wait until it is released.
class StoreUpdateLock {
public:
    virtual ~StoreUpdateLock() = default;
};

// Text values by section and key, under the application "Figurewheel".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString &section, const QString &key,
        const QString &defaultText = QString()) const = 0;
    // Reaches the disk at once, so a crash right after a solve keeps the record.
    virtual void write(const QString &section, const QString &key, const QString &text) = 0;

    // Keeps other copies of the game off the store while the returned lock
    // lives, and makes reads see everything they wrote before. A store no
    // other process shares needs no lock.
    virtual std::unique_ptr<StoreUpdateLock> lockForUpdate() { return nullptr; }
};

// The player's store: the INI file Figurewheel/Figurewheel.conf in the
// user's configuration directory ($XDG_CONFIG_HOME, else ~/.config), with
// the sections as INI groups. A file that cannot be read counts as empty;
// a write that cannot reach the disk leaves the file as it was and is kept
// in memory for the rest of the run. Only text is read from the file: a
// value in the form QSettings gives other types ("@Variant(...)",
// "@Rect(...)" and the like) reads as missing, and is kept in the file.
class IniSettingsStore final : public SettingsStore {
public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString &filePath);
    ~IniSettingsStore() override;

    static QString defaultFilePath();
    QString filePath() const;

    QString read(const QString &section, const QString &key,
        const QString &defaultText = QString()) const override;
    void write(const QString &section, const QString &key, const QString &text) override;
    std::unique_ptr<StoreUpdateLock> lockForUpdate() override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace fw
