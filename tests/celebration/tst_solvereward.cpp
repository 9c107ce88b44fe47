// The reward at the end of a solve: the celebration first, then the record
// rule on the clock's text, the best time stored before the name window
// opens, and the holder stored after every solve.
#include "support/RecordsTestSupport.h"

#include "celebration/SolveReward.h"
#include "records/Records.h"
#include "records/SettingsStore.h"

#include <QLineEdit>
#include <QtTest>

using namespace fw;
using namespace fwtest;

namespace {

const QString kRecords = QStringLiteral("Records");

} // namespace

class TestSolveReward : public QObject {
    Q_OBJECT
private slots:
    void recordRule_data();
    void recordRule();
    void nameWindowDecidesTheHolder();
    void realWindows();
};

void TestSolveReward::recordRule_data()
{
    QTest::addColumn<int>("solveSecs");
    QTest::addColumn<int>("bestBefore");
    QTest::addColumn<int>("bestAfter");
    QTest::addColumn<QStringList>("events");

    const QString hooray = QStringLiteral("celebration");
    const QString newRecord = QStringLiteral("name window");
    const QString holder = QStringLiteral("write Records/BestPlayer=Ann");
    const auto record = [&](const QString &time) {
        return QStringList {
            hooray, QStringLiteral("write Records/BestTime=") + time, newRecord, holder};
    };
    const QStringList none {hooray, holder};

    QTest::newRow("first record") << 12 << 999 << 12 << record("12");
    QTest::newRow("one second less") << 44 << 45 << 44 << record("44");
    QTest::newRow("equal time") << 45 << 45 << 45 << none;
    QTest::newRow("slower") << 100 << 45 << 45 << none;
    QTest::newRow("998 with no record yet") << 998 << 999 << 998 << record("998");
    QTest::newRow("999 with no record yet") << 999 << 999 << 999 << none;
    QTest::newRow("over 999") << 1500 << 999 << 999 << none;
    QTest::newRow("one second") << 1 << 999 << 1 << record("1");
    // The clock right after the main window opens, before its first tick:
    // a best time of 0 would wipe every record at the next start.
    QTest::newRow("clock not yet ticked") << 0 << 999 << 999 << none;
}

void TestSolveReward::recordRule()
{
    QFETCH(int, solveSecs);
    QFETCH(int, bestBefore);
    QFETCH(int, bestAfter);
    QFETCH(QStringList, events);

    QStringList log;
    MemoryStore store(&log);
    Records records {std::int16_t(bestBefore), QStringLiteral("Ann"), 3};
    const RewardWindows windows {
        [&] { log.append(QStringLiteral("celebration")); },
        [&] { log.append(QStringLiteral("name window")); },
    };
    runSolveReward(records, store, std::int16_t(solveSecs), windows);
    QCOMPARE(log, events);
    QCOMPARE(records.gBestTime, std::int16_t(bestAfter));
    QCOMPARE(records.gBestPlayer, QStringLiteral("Ann"));
    QCOMPARE(records.gTimesPlayed, std::int16_t(3));
}

void TestSolveReward::nameWindowDecidesTheHolder()
{
    MemoryStore store;
    Records records {999, QStringLiteral("Nobody"), 0};
    RewardWindows windows;
    windows.showNewRecord = [&] { records.gBestPlayer = QString(); };
    runSolveReward(records, store, 30, windows);
    QCOMPARE(store.values.value(QStringLiteral("Records/BestPlayer"), QStringLiteral("<missing>")),
        QString());
    QCOMPARE(store.values.value(QStringLiteral("Records/BestTime")), QStringLiteral("30"));
}

void TestSolveReward::realWindows()
{
    const QString path = freshStorePath();
    IniSettingsStore store(path);
    Records records;
    loadRecords(records, store);
    CountingSound sound;
    const RewardWindows windows = modalRewardWindows(records, sound);

    // The first record: the celebration, then the name window with the old
    // holder, while the new time is already on disk.
    QString diskTimeDuringCelebration;
    QString diskTimeDuringNameWindow;
    QString nameShown;
    {
        ModalScript script({
            {QStringLiteral("frmHooray"),
                [&](QWidget *) {
                    QCOMPARE(sound.played, QStringList {QStringLiteral("hound.wav")});
                    diskTimeDuringCelebration
                        = readFromDisk(path, kRecords, QStringLiteral("BestTime"));
                }},
            {QStringLiteral("frmNewRecord"),
                [&](QWidget *window) {
                    diskTimeDuringNameWindow
                        = readFromDisk(path, kRecords, QStringLiteral("BestTime"));
                    auto *field = window->findChild<QLineEdit *>(QStringLiteral("txtName"));
                    QVERIFY(field);
                    nameShown = field->text();
                    field->setText(QStringLiteral("  Ann  "));
                }},
        });
        runSolveReward(records, store, 12, windows);
        QCOMPARE(script.problems, QStringList());
        QCOMPARE(script.seen,
            (QStringList {QStringLiteral("frmHooray"), QStringLiteral("frmNewRecord")}));
    }
    QCOMPARE(diskTimeDuringCelebration, QStringLiteral("999"));
    QCOMPARE(diskTimeDuringNameWindow, QStringLiteral("12"));
    QCOMPARE(nameShown, QStringLiteral("Nobody"));
    QCOMPARE(records.gBestTime, std::int16_t(12));
    QCOMPARE(records.gBestPlayer, QStringLiteral("  Ann  "));
    QCOMPARE(readFromDisk(path, kRecords, QStringLiteral("BestPlayer")), QStringLiteral("  Ann  "));

    // The same puzzle solved again with its stopped clock: the celebration
    // opens afresh and plays again, and the equal time is no record.
    {
        ModalScript script({{QStringLiteral("frmHooray")}});
        runSolveReward(records, store, 12, windows);
        QCOMPARE(script.problems, QStringList());
        QCOMPARE(script.seen, QStringList {QStringLiteral("frmHooray")});
    }
    QCOMPARE(sound.played.size(), 2);
    QCOMPARE(records.gBestTime, std::int16_t(12));
    QCOMPARE(readFromDisk(path, kRecords, QStringLiteral("BestTime")), QStringLiteral("12"));

    // A faster solve: the name window shows the holder set above; the
    // player empties it, and the empty name is what is stored.
    {
        ModalScript script({
            {QStringLiteral("frmHooray")},
            {QStringLiteral("frmNewRecord"),
                [&](QWidget *window) {
                    auto *field = window->findChild<QLineEdit *>(QStringLiteral("txtName"));
                    QVERIFY(field);
                    nameShown = field->text();
                    field->clear();
                }},
        });
        runSolveReward(records, store, 7, windows);
        QCOMPARE(script.problems, QStringList());
        QCOMPARE(script.seen.size(), 2);
    }
    QCOMPARE(nameShown, QStringLiteral("  Ann  "));
    QCOMPARE(readFromDisk(path, kRecords, QStringLiteral("BestTime")), QStringLiteral("7"));
    QCOMPARE(readFromDisk(path, kRecords, QStringLiteral("BestPlayer")), QString());
}

QTEST_MAIN(TestSolveReward)
#include "tst_solvereward.moc"
