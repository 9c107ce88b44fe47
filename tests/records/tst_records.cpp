// The records at the main window's start and close: first and later starts,
// the reset rule, the readings of stored numbers, the launch counter and
// the window's placement.
#include "support/RecordsTestSupport.h"

#include "records/Placement.h"
#include "records/Records.h"
#include "records/SettingsStore.h"

#include <QtTest>

using namespace fw;
using namespace fwtest;

namespace {

const QString kRecords = QStringLiteral("Records");
const QString kSettings = QStringLiteral("Settings");

QString onDisk(const QString &path, const QString &key)
{
    return readFromDisk(path, kRecords, key);
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void firstAndLaterStarts();
    void resetWritesInOrder();
    void bestTimeReading_data();
    void bestTimeReading();
    void launchCounter_data();
    void launchCounter();
    void launchCountAtStartUp_data();
    void launchCountAtStartUp();
    void placementReading_data();
    void placementReading();
    void placementStoring();
};

void TestRecords::firstAndLaterStarts()
{
    // The player's own store location, empty in the private test dir.
    const QString path = IniSettingsStore::defaultFilePath();
    QVERIFY(!QFile::exists(path));
    {
        IniSettingsStore store;
        QCOMPARE(readLaunchCount(store), std::int16_t(0));
        Records records;
        loadRecords(records, store);
        QCOMPARE(records.gBestTime, std::int16_t(999));
        QCOMPARE(records.gBestPlayer, QStringLiteral("Nobody"));
        QCOMPARE(records.gTimesPlayed, std::int16_t(0));
    }
    QCOMPARE(onDisk(path, QStringLiteral("BestTime")), QStringLiteral("999"));
    QCOMPARE(onDisk(path, QStringLiteral("BestPlayer")), QStringLiteral("Nobody"));
    QCOMPARE(onDisk(path, QStringLiteral("TimesPlayed")), QStringLiteral("1"));

    {
        IniSettingsStore store;
        QCOMPARE(readLaunchCount(store), std::int16_t(1));
        Records records;
        loadRecords(records, store);
        QCOMPARE(records.gTimesPlayed, std::int16_t(1));
        // A record set in this run survives into the next start.
        store.write(kRecords, QStringLiteral("BestTime"), QStringLiteral("45"));
        store.write(kRecords, QStringLiteral("BestPlayer"), QStringLiteral("Ann"));
    }
    QCOMPARE(onDisk(path, QStringLiteral("TimesPlayed")), QStringLiteral("2"));

    IniSettingsStore store;
    Records records;
    loadRecords(records, store);
    QCOMPARE(records.gBestTime, std::int16_t(45));
    QCOMPARE(records.gBestPlayer, QStringLiteral("Ann"));
    QCOMPARE(records.gTimesPlayed, std::int16_t(2));
    QCOMPARE(onDisk(path, QStringLiteral("TimesPlayed")), QStringLiteral("3"));
}

void TestRecords::resetWritesInOrder()
{
    QStringList log;
    MemoryStore store(&log);
    store.values.insert(QStringLiteral("Records/BestTime"), QStringLiteral("0"));
    store.values.insert(QStringLiteral("Records/BestPlayer"), QStringLiteral("Ann"));
    store.values.insert(QStringLiteral("Records/TimesPlayed"), QStringLiteral("30"));
    Records records;
    loadRecords(records, store);
    QCOMPARE(log,
        (QStringList {QStringLiteral("write Records/BestTime=999"),
            QStringLiteral("write Records/BestPlayer=Nobody"),
            QStringLiteral("write Records/TimesPlayed=0"),
            QStringLiteral("write Records/TimesPlayed=1")}));
}

void TestRecords::bestTimeReading_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("bestTime");
    QTest::addColumn<bool>("reset");
    QTest::newRow("zero") << QStringLiteral("0") << 999 << true;
    QTest::newRow("empty") << QString() << 999 << true;
    QTest::newRow("not a number") << QStringLiteral("abc") << 999 << true;
    QTest::newRow("negative") << QStringLiteral("-5") << 999 << true;
    QTest::newRow("rounds to zero") << QStringLiteral("0.5") << 999 << true;
    QTest::newRow("one") << QStringLiteral("1") << 1 << false;
    QTest::newRow("12.5 to even") << QStringLiteral("12.5") << 12 << false;
    QTest::newRow("13.5 to even") << QStringLiteral("13.5") << 14 << false;
    QTest::newRow("blanks ignored") << QStringLiteral(" 4 2 ") << 42 << false;
    QTest::newRow("leading number") << QStringLiteral("7 seconds") << 7 << false;
    QTest::newRow("exponent") << QStringLiteral("1e3") << 1000 << false;
    QTest::newRow("beyond 16 bits") << QStringLiteral("40000") << 32767 << false;
    QTest::newRow("far below 16 bits") << QStringLiteral("-40000") << 999 << true;
}

void TestRecords::bestTimeReading()
{
    QFETCH(QString, stored);
    QFETCH(int, bestTime);
    QFETCH(bool, reset);
    const QString path = freshStorePath();
    {
        IniSettingsStore seed(path);
        seed.write(kRecords, QStringLiteral("BestTime"), stored);
        seed.write(kRecords, QStringLiteral("BestPlayer"), QStringLiteral("Ann"));
        seed.write(kRecords, QStringLiteral("TimesPlayed"), QStringLiteral("9"));
    }
    IniSettingsStore store(path);
    Records records;
    loadRecords(records, store);
    QCOMPARE(records.gBestTime, std::int16_t(bestTime));
    QCOMPARE(records.gBestPlayer, reset ? QStringLiteral("Nobody") : QStringLiteral("Ann"));
    QCOMPARE(records.gTimesPlayed, std::int16_t(reset ? 0 : 9));
    QCOMPARE(onDisk(path, QStringLiteral("BestTime")), reset ? QStringLiteral("999") : stored);
    QCOMPARE(onDisk(path, QStringLiteral("BestPlayer")),
        reset ? QStringLiteral("Nobody") : QStringLiteral("Ann"));
    QCOMPARE(onDisk(path, QStringLiteral("TimesPlayed")),
        reset ? QStringLiteral("1") : QStringLiteral("10"));
}

void TestRecords::launchCounter_data()
{
    QTest::addColumn<QString>("stored"); // null: no value stored
    QTest::addColumn<int>("timesPlayed");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("missing") << QString() << 0 << QStringLiteral("1");
    QTest::newRow("plain") << QStringLiteral("14") << 14 << QStringLiteral("15");
    QTest::newRow("14.5 to even") << QStringLiteral("14.5") << 14 << QStringLiteral("15");
    QTest::newRow("15.5 to even") << QStringLiteral("15.5") << 16 << QStringLiteral("17");
    QTest::newRow("blanks around") << QStringLiteral(" 7 ") << 7 << QStringLiteral("8");
    QTest::newRow("not a number") << QStringLiteral("abc") << 0 << QStringLiteral("1");
    QTest::newRow("trailing text") << QStringLiteral("12abc") << 0 << QStringLiteral("1");
    QTest::newRow("negative") << QStringLiteral("-3") << -3 << QStringLiteral("-2");
    QTest::newRow("top stops") << QStringLiteral("32767") << 32767 << QStringLiteral("32767");
    QTest::newRow("beyond 16 bits") << QStringLiteral("40000") << 32767 << QStringLiteral("32767");
}

void TestRecords::launchCounter()
{
    QFETCH(QString, stored);
    QFETCH(int, timesPlayed);
    QFETCH(QString, storedAfter);
    const QString path = freshStorePath();
    {
        IniSettingsStore seed(path);
        seed.write(kRecords, QStringLiteral("BestTime"), QStringLiteral("60"));
        if (!stored.isNull())
            seed.write(kRecords, QStringLiteral("TimesPlayed"), stored);
    }
    IniSettingsStore store(path);
    Records records;
    loadRecords(records, store);
    QCOMPARE(records.gBestTime, std::int16_t(60));
    QCOMPARE(records.gTimesPlayed, std::int16_t(timesPlayed));
    QCOMPARE(onDisk(path, QStringLiteral("TimesPlayed")), storedAfter);
}

void TestRecords::launchCountAtStartUp_data()
{
    QTest::addColumn<QString>("stored"); // null: no value stored
    QTest::addColumn<int>("count");
    QTest::newRow("missing") << QString() << 0;
    QTest::newRow("14.5 to even") << QStringLiteral("14.5") << 14;
    QTest::newRow("15.5 to even") << QStringLiteral("15.5") << 16;
    QTest::newRow("leading number") << QStringLiteral("12abc") << 12;
    QTest::newRow("not a number") << QStringLiteral("abc") << 0;
    QTest::newRow("beyond 16 bits") << QStringLiteral("99999") << 32767;
}

void TestRecords::launchCountAtStartUp()
{
    QFETCH(QString, stored);
    QFETCH(int, count);
    const QString path = freshStorePath();
    if (!stored.isNull())
        IniSettingsStore(path).write(kRecords, QStringLiteral("TimesPlayed"), stored);
    QCOMPARE(readLaunchCount(IniSettingsStore(path)), std::int16_t(count));
}

void TestRecords::placementReading_data()
{
    QTest::addColumn<QString>("left"); // null: no value stored
    QTest::addColumn<QString>("top");
    QTest::addColumn<float>("expectedLeft");
    QTest::addColumn<float>("expectedTop");
    QTest::newRow("missing") << QString() << QString() << 1000.0f << 1000.0f;
    QTest::newRow("stored") << QStringLiteral("2400") << QStringLiteral("-150") << 2400.0f
                            << -150.0f;
    QTest::newRow("fraction") << QStringLiteral("1200.5") << QStringLiteral(" 30 ") << 1200.5f
                              << 30.0f;
    QTest::newRow("not a number") << QStringLiteral("left") << QStringLiteral("5x") << 1000.0f
                                  << 1000.0f;
    QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("") << 1000.0f << 1000.0f;
    QTest::newRow("beyond single precision")
        << QStringLiteral("1e40") << QStringLiteral("7") << 1000.0f << 7.0f;
}

void TestRecords::placementReading()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(float, expectedLeft);
    QFETCH(float, expectedTop);
    const QString path = freshStorePath();
    {
        IniSettingsStore seed(path);
        if (!left.isNull())
            seed.write(kSettings, QStringLiteral("MainLeft"), left);
        if (!top.isNull())
            seed.write(kSettings, QStringLiteral("MainTop"), top);
    }
    const Placement placement = readPlacement(IniSettingsStore(path));
    QCOMPARE(placement.left, expectedLeft);
    QCOMPARE(placement.top, expectedTop);
}

void TestRecords::placementStoring()
{
    QStringList log;
    MemoryStore memory(&log);
    storePlacement(memory, 1500, 1200.5f, 9500, 7000);
    QCOMPARE(log,
        (QStringList {QStringLiteral("write Settings/MainLeft=1500"),
            QStringLiteral("write Settings/MainTop=1200.5"),
            QStringLiteral("write Settings/MainWidth=9500"),
            QStringLiteral("write Settings/MainHeight=7000")}));

    // A moved window comes back where it was at the next start.
    const QString path = freshStorePath();
    {
        IniSettingsStore store(path);
        storePlacement(store, 2235, -45, 9000, 6500);
    }
    const Placement placement = readPlacement(IniSettingsStore(path));
    QCOMPARE(placement.left, 2235.0f);
    QCOMPARE(placement.top, -45.0f);
    QCOMPARE(readFromDisk(path, kSettings, QStringLiteral("MainWidth")), QStringLiteral("9000"));
    QCOMPARE(readFromDisk(path, kSettings, QStringLiteral("MainHeight")), QStringLiteral("6500"));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
