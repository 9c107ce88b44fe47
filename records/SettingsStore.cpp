#include "records/SettingsStore.h"

#include "records/StoreKeys.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>
#include <QVariant>

#include <algorithm>

namespace fw {

namespace {

// How long a starting copy waits for another one to finish its update.
constexpr int kLockWaitMs = 5000;
constexpr unsigned long kLockPollMs = 5;
// QSettings notices that another copy changed the file by the file's size
// and modification time, and the file system keeps that time in coarse
// ticks of a few milliseconds. Two updates of the same length within one
// tick would look like no change at all to the other copy, so the lock is
// held until the file clock has certainly moved on.
constexpr qint64 kFileClockSlackMs = 20;

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

// Half of a surrogate pair, which only an escape typed into the file can
// make, becomes the replacement character.
QString withHalfPairsReplaced(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

class FileUpdateLock final : public StoreUpdateLock {
public:
    explicit FileUpdateLock(const QString &settingsFile)
        : m_settingsFile(settingsFile)
        , m_lock(settingsFile + QStringLiteral(".update-lock"))
    {
        QDir().mkpath(QFileInfo(settingsFile).absolutePath());
        // Asks often rather than with QLockFile's own waits, which grow to
        // seconds. A copy that cannot take the lock (a read-only directory,
        // another copy stuck for seconds) goes on without it rather than hang.
        const QDeadlineTimer deadline(kLockWaitMs);
        while (!m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError
            && !deadline.hasExpired())
            QThread::msleep(kLockPollMs);
    }

    ~FileUpdateLock() override
    {
        if (m_lock.isLocked())
            waitPastLastWrite();
    }

private:
    void waitPastLastWrite() const
    {
        const QFileInfo info(m_settingsFile);
        if (!info.exists())
            return;
        const qint64 clearAt = info.lastModified().toMSecsSinceEpoch() + kFileClockSlackMs;
        const qint64 wait = std::clamp(
            clearAt - QDateTime::currentMSecsSinceEpoch(), qint64(0), kFileClockSlackMs);
        if (wait > 0)
            QThread::msleep(static_cast<unsigned long>(wait));
    }

    QString m_settingsFile;
    QLockFile m_lock;
};

} // namespace

IniSettingsStore::IniSettingsStore()
    : IniSettingsStore(defaultFilePath())
{
}

IniSettingsStore::IniSettingsStore(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::defaultFilePath()
{
    // $XDG_CONFIG_HOME when it names an absolute directory, else ~/.config.
    const QString configDir
        = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return configDir + QLatin1Char('/') + keys::kApplication + QLatin1Char('/') + keys::kApplication
        + QStringLiteral(".conf");
}

QString IniSettingsStore::filePath() const
{
    return m_settings->fileName();
}

QString IniSettingsStore::read(
    const QString &section, const QString &key, const QString &defaultText) const
{
    const QString path = keyPath(section, key);
    if (!m_settings->contains(path))
        return defaultText;
    const QVariant value = m_settings->value(path);
    // A hand-edited line such as "BestPlayer=Ann, Bob" reads as a list;
    // take it back as the text it was.
    // Once QSettings has rewritten the file such a value may come back as a
    // list of variants instead.
    const bool isList
        = value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList;
    QStringList items = isList ? value.toStringList() : QStringList {value.toString()};
    const bool valid = std::all_of(
        items.cbegin(), items.cend(), [](const QString &item) { return item.isValidUtf16(); });
    if (!valid) {
        // A half pair cannot be written to the file as it stands: QSettings
        // would drop it or move it on the next rewrite. The text is kept as
        // it was read, so whatever the file says next is what was shown.
        for (QString &item : items)
            item = withHalfPairsReplaced(item);
        m_settings->setValue(path, isList ? QVariant(items) : QVariant(items.constFirst()));
    }
    return items.join(QStringLiteral(", "));
}

void IniSettingsStore::write(const QString &section, const QString &key, const QString &text)
{
    m_settings->setValue(keyPath(section, key), text);
    // QSettings writes through a temporary file and a rename, so a write
    // that fails (a full disk, a read-only directory) leaves the old file.
    m_settings->sync();
}

std::unique_ptr<StoreUpdateLock> IniSettingsStore::lockForUpdate()
{
    auto lock = std::make_unique<FileUpdateLock>(m_settings->fileName());
    m_settings->sync(); // take in what other copies wrote meanwhile
    return lock;
}

} // namespace fw
