// The game killed at the worst moments keeps what it had stored: SIGKILL in
// the middle of a solve's reward, then a new start that finds the records.
// And two copies of the real program started at once each count a launch.
#include "support/ChildProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace fwtest;

namespace {

const QString kRecords = QStringLiteral("Records");

struct Place {
    QString configHome;
    QString file;
};

// A settings directory of its own for each case, holding `content`.
Place freshPlace(const QString &base, const QByteArray &content)
{
    static int serial = 0;
    Place place;
    place.configHome = base + QStringLiteral("/case-%1/config").arg(++serial);
    place.file = place.configHome + QStringLiteral("/Figurewheel/Figurewheel.conf");
    QDir().mkpath(QFileInfo(place.file).absolutePath());
    if (!content.isNull())
        writeFile(place.file, content);
    return place;
}

QString stored(const Place &place, const QString &key)
{
    return valueOnDisk(place.file, kRecords, key);
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void killedDuringTheReward_data();
    void killedDuringTheReward();
    void twoCopiesCountTheirLaunches_data();
    void twoCopiesCountTheirLaunches();

private:
    QString m_probe;
    QString m_game;
    QString m_base;
};

void TestCrashSafety::initTestCase()
{
    m_probe = fromEnvironment("FIGUREWHEEL_PROBE");
    m_game = fromEnvironment("FIGUREWHEEL_GAME");
    QVERIFY2(QFileInfo(m_probe).isExecutable(), "FIGUREWHEEL_PROBE names no program");
    QVERIFY2(QFileInfo(m_game).isExecutable(), "FIGUREWHEEL_GAME names no program");
    m_base = QString::fromLocal8Bit(qgetenv("FIGUREWHEEL_TEST_DIR"));
    QVERIFY(!m_base.isEmpty());
}

void TestCrashSafety::killedDuringTheReward_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("launches");  // stored before the start
    QTest::addColumn<bool>("recordStored"); // whether the new time is on disk when killed
    // 20 launches lead through the splash, 3 through the tutorial's button.
    QTest::newRow("in the celebration") << "crash-at-celebration"
                                        << "20" << false;
    QTest::newRow("in the new-record window") << "crash-at-naming"
                                              << "20" << true;
    QTest::newRow("in the new-record window, after the tutorial") << "crash-at-naming"
                                                                  << "3" << true;
}

void TestCrashSafety::killedDuringTheReward()
{
    QFETCH(QString, mode);
    QFETCH(QString, launches);
    QFETCH(bool, recordStored);
    const Place place = freshPlace(m_base,
        "[Records]\nBestTime=50\nBestPlayer=Ann\nTimesPlayed=" + launches.toLatin1() + "\n");
    const int launchCount = launches.toInt();

    QString solvedAt;
    {
        ChildProcess game(m_probe, {mode}, place.configHome);
        const QString solved = game.waitForLine(QStringLiteral("solved at "));
        QVERIFY2(!solved.isEmpty(), qPrintable(game.transcript()));
        solvedAt = solved.mid(QStringLiteral("solved at ").size());
        const QString waiting = game.waitForLine(
            recordStored ? QStringLiteral("naming") : QStringLiteral("celebrating"));
        QVERIFY2(!waiting.isEmpty(), qPrintable(game.transcript()));
        game.killHard();
        QCOMPARE(game.exitStatus(), QProcess::CrashExit);
        QVERIFY2(!game.lines().contains(QStringLiteral("exit")), qPrintable(game.transcript()));
    }
    QVERIFY(solvedAt.toInt() >= 1 && solvedAt.toInt() < 50);

    // On disk: the launch, and the new time once its window had opened;
    // the holder is written only when the name window closes.
    QCOMPARE(
        stored(place, QStringLiteral("BestTime")), recordStored ? solvedAt : QStringLiteral("50"));
    QCOMPARE(stored(place, QStringLiteral("BestPlayer")), QStringLiteral("Ann"));
    QCOMPARE(stored(place, QStringLiteral("TimesPlayed")), QString::number(launchCount + 1));
    // Nothing half-written is left beside the file.
    QCOMPARE(QDir(QFileInfo(place.file).absolutePath()).entryList(QDir::Files | QDir::Hidden),
        QStringList {QStringLiteral("Figurewheel.conf")});

    // The next start finds the records as they were stored.
    ChildProcess again(m_probe, {QStringLiteral("report")}, place.configHome);
    QVERIFY2(again.finish(), qPrintable(again.transcript()));
    QVERIFY2(again.endedWell(), qPrintable(again.transcript()));
    QCOMPARE(again.waitForLine(QStringLiteral("loaded ")),
        QStringLiteral("loaded %1|Ann|%2")
            .arg(recordStored ? solvedAt : QStringLiteral("50"))
            .arg(launchCount + 1));
    QCOMPARE(stored(place, QStringLiteral("TimesPlayed")), QString::number(launchCount + 2));
}

void TestCrashSafety::twoCopiesCountTheirLaunches_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("bestTime");
    QTest::addColumn<QString>("bestPlayer");
    QTest::addColumn<QString>("timesPlayed"); // after both have started
    QTest::newRow("a regular player")
        << QByteArray("[Records]\nBestTime=50\nBestPlayer=Ann\nTimesPlayed=20\n") << "50"
        << "Ann"
        << "22";
    // Both see a lost record; only the first may start the records afresh,
    // the second counts on from there.
    QTest::newRow("a lost record")
        << QByteArray("[Records]\nBestTime=0\nBestPlayer=Ann\nTimesPlayed=20\n") << "999"
        << "Nobody"
        << "2";
}

void TestCrashSafety::twoCopiesCountTheirLaunches()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, bestTime);
    QFETCH(QString, bestPlayer);
    QFETCH(QString, timesPlayed);
    const Place place = freshPlace(m_base, content);

    ChildProcess first(m_game, {}, place.configHome);
    ChildProcess second(m_game, {}, place.configHome);
    // Each copy counts its launch once its main window has loaded.
    QTRY_COMPARE_WITH_TIMEOUT(stored(place, QStringLiteral("TimesPlayed")), timesPlayed, 60000);
    QTest::qWait(300);
    first.killHard();
    second.killHard();
    QCOMPARE(stored(place, QStringLiteral("TimesPlayed")), timesPlayed);
    QCOMPARE(stored(place, QStringLiteral("BestTime")), bestTime);
    QCOMPARE(stored(place, QStringLiteral("BestPlayer")), bestPlayer);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crash_safety.moc"
