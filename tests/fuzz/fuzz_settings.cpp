// Fuzzes a start of the game on any settings file: the input becomes the
// file, then the game reads its launch count, loads the records (with the
// reset of a lost best time), reads its placement, runs a solve's reward
// with stand-in windows and stores its placement as a close does. Nothing
// may crash, the best time stays at least 1, and a store opened afresh on
// the file reads back exactly what was written.
#include "celebration/SolveReward.h"
#include "numbers/NumberText.h"
#include "records/Placement.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "records/StoreKeys.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QString>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

using namespace fw;

namespace {

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "fuzz_settings: %s\n", qPrintable(what));
    std::abort();
}

void require(bool holds, const QString &what)
{
    if (!holds)
        fail(what);
}

// A text with every character outside printable ASCII written as \u{...},
// for messages.
QString visible(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            shown += c;
        else
            shown += QStringLiteral("\\u{%1}").arg(c.unicode(), 0, 16);
    }
    return shown;
}

QString keyName(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

// The real store underneath; keeps the last text written to each key and
// takes no lock, since no other copy of the game shares the file here.
class WatchedStore final : public SettingsStore {
public:
    explicit WatchedStore(SettingsStore &inner)
        : m_inner(inner)
    {
    }
    QString read(const QString &section, const QString &key,
        const QString &defaultText = QString()) const override
    {
        return m_inner.read(section, key, defaultText);
    }
    void write(const QString &section, const QString &key, const QString &text) override
    {
        m_inner.write(section, key, text);
        written.insert(keyName(section, key), text);
    }
    QMap<QString, QString> written;

private:
    SettingsStore &m_inner;
};

struct Place {
    QString dir;
    QString file;
};

const Place &place()
{
    static const Place where = [] {
        // A private configuration directory, so the store's own default
        // location is the one fuzzed.
        QByteArray base = qgetenv("TMPDIR");
        if (base.isEmpty())
            base = "/tmp";
        QByteArray pattern = base + "/figurewheel-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            fail(QStringLiteral("no temporary directory"));
        Place made;
        made.dir = QString::fromLocal8Bit(pattern);
        qputenv("XDG_CONFIG_HOME", pattern + "/config");
        made.file = IniSettingsStore::defaultFilePath();
        QDir().mkpath(made.dir + QStringLiteral("/config/Figurewheel"));
        std::atexit([] { QDir(place().dir).removeRecursively(); });
        return made;
    }();
    return where;
}

// Gives the file a modification time no earlier run has used. Settings
// objects of one process share what they parsed and read the file again
// only when its size or time changed; a fresh time makes every new store
// really read the disk, even within one tick of the file clock.
void stampFresh(const QString &file)
{
    static std::int64_t serial = 0;
    const std::int64_t seconds = 1000000000 + 2 * ++serial;
    const timespec times[2]
        = {{static_cast<time_t>(seconds), 0}, {static_cast<time_t>(seconds), 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0);
}

void writeInput(const QString &file, const std::uint8_t *data, std::size_t size)
{
    std::FILE *out = std::fopen(QFile::encodeName(file).constData(), "wb");
    if (!out)
        fail(QStringLiteral("cannot write the settings file"));
    if (size > 0 && std::fwrite(data, 1, size, out) != size)
        fail(QStringLiteral("short write of the settings file"));
    std::fclose(out);
    stampFresh(file);
}

// The second the clock shows at the solve (0 before its first tick): chosen
// by the input among those on either side of the record rule.
std::int16_t solveSecond(const std::uint8_t *data, std::size_t size, std::int16_t best)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i)
        sum = sum * 31 + data[i];
    const std::array<int, 7> seconds = {0, 1, best - 1, best, best + 1, 998, 9999};
    return static_cast<std::int16_t>(seconds[sum % seconds.size()]);
}

// Whether the file names a key at most once. A key given twice under two
// spellings (in its section, and as "Records\\BestTime" under [General], or
// with %-escaped letters) is one key to the store, which keeps either text
// when it rewrites the file; which one the player meant, nobody can tell.
bool namedOnce(const QByteArray &input, const QString &key)
{
    return !input.contains('%') && input.count(key.toUtf8()) <= 1;
}

} // namespace

// The game reads its settings with its application object up, and so does
// this target. The store unpacks no value of the file into another type
// ("@Variant(...)" typed in by hand reads as missing), so no value can make
// a picture type or trust a length written in the file.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_settings";
    static char *argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString file = place().file;
    writeInput(file, data, size);

    QMap<QString, QString> written;
    QMap<QString, QString> readAtStart;
    Records records;
    float left = 0;
    float top = 0;
    {
        IniSettingsStore ini;
        WatchedStore store(ini);
        // clang-format off
        const QList<std::pair<QString, QString>> gameKeys = {
            {keys::kRecords, keys::kBestTime},   {keys::kRecords, keys::kBestPlayer},
            {keys::kRecords, keys::kTimesPlayed}, {keys::kSettings, keys::kMainLeft},
            {keys::kSettings, keys::kMainTop},    {keys::kSettings, keys::kMainWidth},
            {keys::kSettings, keys::kMainHeight},
        };
        // clang-format on
        for (const auto &[section, key] : gameKeys)
            readAtStart.insert(
                keyName(section, key), ini.read(section, key, QStringLiteral("<none>")));

        // Start-up, then the main window's start.
        const std::int16_t launches = readLaunchCount(store);
        require(
            launches == lenientInt16(store.read(keys::kRecords, keys::kTimesPlayed).toStdString()),
            QStringLiteral("launch count"));
        loadRecords(records, store);
        require(
            records.gBestTime >= 1, QStringLiteral("best time %1 below 1").arg(records.gBestTime));
        const std::int16_t raised = records.gTimesPlayed < std::numeric_limits<std::int16_t>::max()
            ? static_cast<std::int16_t>(records.gTimesPlayed + 1)
            : records.gTimesPlayed;
        require(store.written.value(keyName(keys::kRecords, keys::kTimesPlayed))
                == QString::number(raised),
            QStringLiteral("launch counter stored as %1 after %2")
                .arg(store.written.value(keyName(keys::kRecords, keys::kTimesPlayed)))
                .arg(records.gTimesPlayed));

        const Placement placement = readPlacement(store);
        require(std::isfinite(placement.left) && std::isfinite(placement.top),
            QStringLiteral("placement not finite"));

        // A solve: the celebration, then a record only below the best time.
        const std::int16_t bestBefore = records.gBestTime;
        const std::int16_t clock = solveSecond(data, size, bestBefore);
        int celebrations = 0;
        int nameWindows = 0;
        RewardWindows windows {
            [&] { ++celebrations; },
            [&] {
                ++nameWindows;
                records.gBestPlayer = QStringLiteral("New ") + records.gBestPlayer;
            },
        };
        runSolveReward(records, store, clock, windows);
        const bool record = clock >= 1 && clock < bestBefore;
        require(celebrations == 1, QStringLiteral("celebrations: %1").arg(celebrations));
        require(
            nameWindows == (record ? 1 : 0), QStringLiteral("name windows: %1").arg(nameWindows));
        require(records.gBestTime == (record ? clock : bestBefore),
            QStringLiteral("best time %1 after a solve in %2").arg(records.gBestTime).arg(clock));
        require(records.gBestTime >= 1, QStringLiteral("best time below 1 after a solve"));

        // The close: where the window was.
        left = placement.left;
        top = placement.top;
        storePlacement(store, left, top, 9495.0f, 7095.0f);
        written = store.written;
    }

    // A fresh store on the same file: the next start of the game.
    stampFresh(file);
    IniSettingsStore fresh;
    const QByteArray input = QByteArray::fromRawData(
        reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        const QString section = it.key().section(QLatin1Char('/'), 0, 0);
        const QString key = it.key().section(QLatin1Char('/'), 1);
        if (!namedOnce(input, key))
            continue;
        const QString back = fresh.read(section, key, QStringLiteral("<none>"));
        require(back == it.value(),
            QStringLiteral("%1 written as '%2', read back as '%3'")
                .arg(it.key(), visible(it.value()), visible(back)));
    }
    // Keys the run did not write keep what they held.
    for (auto it = readAtStart.cbegin(); it != readAtStart.cend(); ++it) {
        const QString section = it.key().section(QLatin1Char('/'), 0, 0);
        const QString key = it.key().section(QLatin1Char('/'), 1);
        if (written.contains(it.key()) || !namedOnce(input, key))
            continue;
        const QString back = fresh.read(section, key, QStringLiteral("<none>"));
        require(back == it.value(),
            QStringLiteral("%1 held '%2', reads '%3' after the run")
                .arg(it.key(), visible(it.value()), visible(back)));
    }
    // The next start sees the same records and the same place.
    if (namedOnce(input, keys::kBestTime))
        require(lenientInt16(fresh.read(keys::kRecords, keys::kBestTime).toStdString())
                == records.gBestTime,
            QStringLiteral("the next start reads another best time"));
    if (namedOnce(input, keys::kBestPlayer))
        require(fresh.read(keys::kRecords, keys::kBestPlayer) == records.gBestPlayer,
            QStringLiteral("the next start reads another holder"));
    if (namedOnce(input, keys::kMainLeft) && namedOnce(input, keys::kMainTop)) {
        const Placement again = readPlacement(fresh);
        require(again.left == left && again.top == top,
            QStringLiteral("placement %1,%2 reads back as %3,%4")
                .arg(left)
                .arg(top)
                .arg(again.left)
                .arg(again.top));
    }
    return 0;
}
