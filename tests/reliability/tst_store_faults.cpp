// The game against a settings store that fails it: a file cut off at any
// byte, a huge file, a file it may not read or write, a directory it may not
// write, a disk that takes no more. The game starts, plays, keeps its
// records for the run, and never loses what the disk already held.
#include "numbers/NumberText.h"
#include "records/Placement.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "support/ChildProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QtTest>

#include <sys/stat.h>

using namespace fw;
using namespace fwtest;

namespace {

const QString kRecords = QStringLiteral("Records");
const QString kSettings = QStringLiteral("Settings");

const QByteArray kStoredFile = "[Records]\nBestTime=42\nBestPlayer=Ann\nTimesPlayed=7\n"
                               "[Settings]\nMainLeft=1500\nMainTop=1200\n";

// What a key holds in a settings text cut off anywhere: the text after "="
// on its line in its section, as far as the line goes; lines without "="
// and sections whose header is cut off hold nothing.
std::optional<QString> valueIn(const QByteArray &text, const QString &section, const QString &key)
{
    QString current;
    std::optional<QString> value;
    for (const QString &line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            current = line.endsWith(QLatin1Char(']')) ? line.mid(1, line.size() - 2) : QString();
        else if (current == section && line.startsWith(key + QLatin1Char('=')))
            value = line.mid(key.size() + 1);
    }
    return value;
}

std::string text(const std::optional<QString> &value)
{
    return value.value_or(QString()).toStdString();
}

} // namespace

class TestStoreFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cutOffAtEveryByte();
    void gameOnFailingStore_data();
    void gameOnFailingStore();
    void cleanupTestCase();

private:
    QString m_probe;
    int m_faultsTried = 0;
};

void TestStoreFaults::initTestCase()
{
    m_probe = fromEnvironment("FIGUREWHEEL_PROBE");
    QVERIFY2(QFileInfo(m_probe).isExecutable(), "FIGUREWHEEL_PROBE names no program");
}

// A start on every possible cut of a settings file, as a crash of another
// program or a full disk may leave it: the records read are those the
// remaining text holds (or a fresh start when the best time is gone), and
// what the start writes joins what was there.
void TestStoreFaults::cutOffAtEveryByte()
{
    for (qsizetype length = 0; length <= kStoredFile.size(); ++length) {
        const QByteArray cut = kStoredFile.left(length);
        const QString path = testDir() + QStringLiteral("/cut-%1/Figurewheel.conf").arg(length);
        writeFile(path, cut);
        const QString where
            = QStringLiteral("cut after %1 bytes: '%2'").arg(length).arg(QString::fromUtf8(cut));

        const auto bestText = valueIn(cut, kRecords, QStringLiteral("BestTime"));
        const auto holder = valueIn(cut, kRecords, QStringLiteral("BestPlayer"));
        const auto counter = valueIn(cut, kRecords, QStringLiteral("TimesPlayed"));
        const bool reset = lenientInt16(text(bestText)) < 1;
        const std::int16_t expectedBest = reset ? 999 : lenientInt16(text(bestText));
        const QString expectedHolder
            = reset ? QStringLiteral("Nobody") : holder.value_or(QString());
        const std::int16_t expectedCount = reset ? 0 : strictInt16(text(counter)).value_or(0);
        const auto left = valueIn(cut, kSettings, QStringLiteral("MainLeft"));

        {
            IniSettingsStore store(path);
            QVERIFY2(readLaunchCount(store) == lenientInt16(text(counter)), qPrintable(where));
            Records records;
            loadRecords(records, store);
            QVERIFY2(records.gBestTime == expectedBest, qPrintable(where));
            QVERIFY2(records.gBestPlayer == expectedHolder, qPrintable(where));
            QVERIFY2(records.gTimesPlayed == expectedCount, qPrintable(where));
            const Placement placement = readPlacement(store);
            QVERIFY2(
                placement.left == strictNumber(text(left)).value_or(1000.0f), qPrintable(where));
        }
        // The next start finds the records whole, and the rest as it was.
        QVERIFY2(valueOnDisk(path, kRecords, QStringLiteral("BestTime"))
                == (reset ? QStringLiteral("999") : *bestText),
            qPrintable(where));
        QVERIFY2(valueOnDisk(path, kRecords, QStringLiteral("TimesPlayed"))
                == QString::number(expectedCount + 1),
            qPrintable(where));
        QVERIFY2(valueOnDisk(path, kSettings, QStringLiteral("MainLeft"))
                == left.value_or(QStringLiteral("<missing>")),
            qPrintable(where));
        ++m_faultsTried;
    }
}

void TestStoreFaults::gameOnFailingStore_data()
{
    QTest::addColumn<QByteArray>("content"); // the settings file before the run
    QTest::addColumn<int>("dirMode");        // of the settings directories
    QTest::addColumn<int>("fileMode");       // of the settings file
    QTest::addColumn<bool>("unprivileged");  // run as a user the modes hold for
    QTest::addColumn<QString>("fileLimit");  // bytes a file may grow to, or ""
    QTest::addColumn<QString>("loaded");     // the records the game starts with
    QTest::addColumn<bool>("diskKept");      // the file must stay byte for byte

    QTest::newRow("read-only directory")
        << kStoredFile << 0555 << 0444 << true << QString() << "42|Ann|7" << true;
    QTest::newRow("read-only file")
        << kStoredFile << 0777 << 0444 << true << QString() << "42|Ann|7" << true;
    // What cannot be read counts as no records; the file keeps them.
    QTest::newRow("unreadable file")
        << kStoredFile << 0777 << 0000 << true << QString() << "999|Nobody|0" << true;
    QTest::newRow("full disk") << kStoredFile << 0755 << 0644 << false << QStringLiteral("24")
                               << "42|Ann|7" << true;
    QTest::newRow("cut off in a name") << kStoredFile.left(kStoredFile.indexOf("Ann") + 2) << 0755
                                       << 0644 << false << QString() << "42|An|0" << false;
    // Tens of megabytes of comment before the records.
    QByteArray huge;
    const QByteArray comment = "; " + QByteArray(97, 'x') + '\n';
    huge.reserve(24 * 1024 * 1024 + kStoredFile.size());
    while (huge.size() < 24 * 1024 * 1024)
        huge += comment;
    huge += kStoredFile;
    QTest::newRow("huge file") << huge << 0755 << 0644 << false << QString() << "42|Ann|7" << false;
}

void TestStoreFaults::gameOnFailingStore()
{
    QFETCH(QByteArray, content);
    QFETCH(int, dirMode);
    QFETCH(int, fileMode);
    QFETCH(bool, unprivileged);
    QFETCH(QString, fileLimit);
    QFETCH(QString, loaded);
    QFETCH(bool, diskKept);

    static int serial = 0;
    const QString base = testDir() + QStringLiteral("/game-%1").arg(++serial);
    const QString configHome = base + QStringLiteral("/config");
    const QString appDir = configHome + QStringLiteral("/Figurewheel");
    const QString file = appDir + QStringLiteral("/Figurewheel.conf");
    writeFile(file, content);

    const QStringList prefix = unprivileged ? unprivilegedPrefix() : QStringList();
    if (!prefix.isEmpty()) {
        // The other user must reach the program and the directories.
        ::chmod(qPrintable(testDir()), 0755);
        ::chmod(qPrintable(base), 0755);
        ChildProcess ping(m_probe, {QStringLiteral("ping")}, configHome, prefix);
        if (!ping.finish() || ping.lines() != QStringList {QStringLiteral("pong")})
            QSKIP("cannot run the game as an unprivileged user here");
    }
    const auto setModes = [&](int dirs, int files) {
        ::chmod(qPrintable(configHome), mode_t(dirs));
        ::chmod(qPrintable(appDir), mode_t(dirs));
        ::chmod(qPrintable(file), mode_t(files));
    };
    setModes(dirMode, fileMode);
    const auto restore = qScopeGuard([&] { setModes(0755, 0644); });

    QStringList environment;
    if (!fileLimit.isEmpty())
        environment << QStringLiteral("FIGUREWHEEL_PROBE_FILE_LIMIT=") + fileLimit;
    QElapsedTimer clock;
    clock.start();
    ChildProcess game(m_probe, {QStringLiteral("play")}, configHome, prefix, environment);
    QVERIFY2(game.finish(120000), qPrintable(game.transcript()));
    QVERIFY2(game.endedWell(), qPrintable(game.transcript()));
    ++m_faultsTried;

    // It started with what it could read...
    QCOMPARE(game.waitForLine(QStringLiteral("loaded ")), QStringLiteral("loaded ") + loaded);
    // ...played two puzzles, each a new record, and kept them for the run.
    const QStringList said = game.lines();
    QStringList solves;
    QStringList bests;
    for (const QString &line : said) {
        if (line.startsWith(QLatin1String("solved at ")))
            solves << line.mid(10);
        if (line.startsWith(QLatin1String("best ")))
            bests << line.mid(5);
    }
    QCOMPARE(solves.size(), 2);
    QCOMPARE(bests.size(), 2);
    QCOMPARE(bests.at(0), solves.at(0) + QStringLiteral("|Zed"));
    const int finalBest = std::min(solves.at(0).toInt(), solves.at(1).toInt());
    QCOMPARE(bests.at(1), QString::number(finalBest) + QStringLiteral("|Zed"));
    QVERIFY(said.contains(QStringLiteral("closed")));
    QVERIFY(said.contains(QStringLiteral("exit")));

    setModes(0755, 0644);
    if (diskKept) {
        // Not one byte of what was stored is lost, and no stray file is left.
        QVERIFY2(fileBytes(file) == content, fileBytes(file).left(500).constData());
        QCOMPARE(QDir(appDir).entryList(QDir::Files | QDir::Hidden),
            QStringList {QStringLiteral("Figurewheel.conf")});
    } else {
        // The game's writes reached the disk in full.
        QCOMPARE(
            valueOnDisk(file, kRecords, QStringLiteral("BestTime")), QString::number(finalBest));
        QCOMPARE(valueOnDisk(file, kRecords, QStringLiteral("BestPlayer")), QStringLiteral("Zed"));
        QCOMPARE(valueOnDisk(file, kRecords, QStringLiteral("TimesPlayed")),
            QString::number(loaded.section(QLatin1Char('|'), 2).toInt() + 1));
        QVERIFY(
            valueOnDisk(file, kSettings, QStringLiteral("MainLeft")) != QLatin1String("<missing>"));
    }
    qInfo("%s: %lld ms", QTest::currentDataTag(), static_cast<long long>(clock.elapsed()));
}

void TestStoreFaults::cleanupTestCase()
{
    qInfo("%d damaged or failing stores tried, nothing stored was lost", m_faultsTried);
}

QTEST_GUILESS_MAIN(TestStoreFaults)
#include "tst_store_faults.moc"
