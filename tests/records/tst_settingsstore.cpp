// The settings store on its INI file: values round-trip exactly, every write
// reaches the disk at once, damaged files and read-only directories leave
// the game running, and two copies started together both count.
#include "numbers/NumberText.h"
#include "support/ChildProcess.h"
#include "support/RecordsTestSupport.h"

#include "records/Records.h"
#include "records/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <sys/stat.h>

using namespace fw;
using namespace fwtest;

namespace {

// The child modes this binary runs in when started by the tests below.
constexpr char kChildMode[] = "FW_STORE_CHILD";
constexpr char kChildConfig[] = "FW_STORE_CHILD_CONFIG";
constexpr char kChildRounds[] = "FW_STORE_CHILD_ROUNDS";

const QString kRecords = QStringLiteral("Records");

int runChild(const QByteArray &mode, int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The store's own default location, under the directory the parent chose.
    qputenv("XDG_CONFIG_HOME", qgetenv(kChildConfig));
    QTextStream out(stdout);
    if (mode == "ping") {
        out << "pong\n";
        return 0;
    }
    if (mode == "start") {
        // One start of the game and one solve's writes.
        IniSettingsStore store;
        const std::int16_t launches = readLaunchCount(store);
        Records records;
        loadRecords(records, store);
        store.write(kRecords, QStringLiteral("BestTime"), QStringLiteral("5"));
        store.write(kRecords, QStringLiteral("BestPlayer"), QStringLiteral("Mallory"));
        out << "launches " << launches << "\n"
            << "loaded " << records.gBestTime << '|' << records.gBestPlayer << '|'
            << records.gTimesPlayed << "\n"
            << "after " << store.read(kRecords, QStringLiteral("BestTime")) << '|'
            << store.read(kRecords, QStringLiteral("BestPlayer")) << "\n";
        return 0;
    }
    if (mode == "count") {
        const int rounds = qEnvironmentVariableIntValue(kChildRounds);
        for (int i = 0; i < rounds; ++i) {
            IniSettingsStore store;
            Records records;
            loadRecords(records, store);
        }
        return 0;
    }
    return 2;
}

// This program again, in a child mode, through the one child-process harness.
std::unique_ptr<ChildProcess> startChild(
    const QByteArray &mode, const QString &configHome, const QStringList &prefix, int rounds = 0)
{
    return std::make_unique<ChildProcess>(QCoreApplication::applicationFilePath(), QStringList(),
        configHome, prefix,
        QStringList {QString::fromLatin1(kChildMode) + u'=' + QString::fromLatin1(mode),
            QString::fromLatin1(kChildConfig) + u'=' + configHome,
            QString::fromLatin1(kChildRounds) + u'=' + QString::number(rounds)});
}

QByteArray randomBytes(qsizetype size, bool printable)
{
    QByteArray bytes(size, Qt::Uninitialized);
    auto *random = QRandomGenerator::global();
    for (char &c : bytes) {
        c = printable ? char(random->bounded(32, 127)) : char(random->bounded(256));
        if (printable && random->bounded(60) == 0)
            c = '\n';
    }
    return bytes;
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void defaultLocation();
    void iniLayout();
    void missingKeyGivesDefault();
    void namesRoundTrip_data();
    void namesRoundTrip();
    void handTypedValues_data();
    void handTypedValues();
    void damagedFileStartsAfresh_data();
    void damagedFileStartsAfresh();
    void readOnlyDirectory_data();
    void readOnlyDirectory();
    void twoCopiesCountEveryLaunch();
};

void TestSettingsStore::defaultLocation()
{
    const QString configHome = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    QCOMPARE(IniSettingsStore::defaultFilePath(),
        configHome + QStringLiteral("/Figurewheel/Figurewheel.conf"));
    QCOMPARE(IniSettingsStore().filePath(), IniSettingsStore::defaultFilePath());

    // Without XDG_CONFIG_HOME the file lives in ~/.config.
    const QByteArray home = qgetenv("HOME");
    const QString fakeHome = testDir() + QStringLiteral("/home");
    qputenv("HOME", fakeHome.toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    const QString withoutXdg = IniSettingsStore::defaultFilePath();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", configHome.toLocal8Bit());
    QCOMPARE(withoutXdg, fakeHome + QStringLiteral("/.config/Figurewheel/Figurewheel.conf"));
}

void TestSettingsStore::iniLayout()
{
    const QString path = freshStorePath();
    IniSettingsStore store(path);
    store.write(kRecords, QStringLiteral("BestTime"), QStringLiteral("999"));
    store.write(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QStringLiteral("1000"));
    QCOMPARE(fileBytes(path), QByteArray("[Records]\nBestTime=999\n\n[Settings]\nMainLeft=1000\n"));
}

void TestSettingsStore::missingKeyGivesDefault()
{
    const QString path = freshStorePath();
    IniSettingsStore store(path);
    QCOMPARE(store.read(kRecords, QStringLiteral("BestPlayer")), QString());
    QCOMPARE(
        store.read(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QStringLiteral("1000")),
        QStringLiteral("1000"));
    // A stored empty text is a value, not a missing key.
    store.write(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QString());
    QCOMPARE(
        store.read(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QStringLiteral("1000")),
        QString());
    // A line edited by hand into a list still reads as its text.
    writeFile(path, "[Records]\nBestPlayer=Ann, Bob\n");
    QCOMPARE(
        readFromDisk(path, kRecords, QStringLiteral("BestPlayer")), QStringLiteral("Ann, Bob"));
    // Such a list keeps reading as its text after the store has rewritten the
    // file, when QSettings hands it back as a list of variants.
    writeFile(path, "[Records]\nBestTime=12, \\0\n");
    {
        IniSettingsStore edited(path);
        QCOMPARE(lenientInt16(edited.read(kRecords, QStringLiteral("BestTime")).toStdString()), 12);
        edited.write(kRecords, QStringLiteral("TimesPlayed"), QStringLiteral("3"));
    }
    QCOMPARE(
        lenientInt16(readFromDisk(path, kRecords, QStringLiteral("BestTime")).toStdString()), 12);
}

void TestSettingsStore::namesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("Ann");
    QTest::newRow("blanks at both ends") << QStringLiteral("  Ann Lee  ");
    QTest::newRow("tab and line feed") << QStringLiteral("\tA\nB\r");
    QTest::newRow("equals") << QStringLiteral("a=b");
    QTest::newRow("semicolon") << QStringLiteral(";a;b");
    QTest::newRow("hash") << QStringLiteral("#1");
    QTest::newRow("brackets") << QStringLiteral("[Records]");
    QTest::newRow("section line") << QStringLiteral("x\n[Settings]\nMainLeft=5");
    QTest::newRow("quotes") << QStringLiteral("\"Ann\" 'Lee'");
    QTest::newRow("backslashes") << QStringLiteral("C:\\x41\\n\\");
    QTest::newRow("comma list") << QStringLiteral("Ann, Bob");
    QTest::newRow("at sign") << QStringLiteral("@Invalid()");
    QTest::newRow("looks like a stored rectangle") << QStringLiteral("@Rect(1 2 3 4)");
    QTest::newRow("looks like a stored variant")
        << QStringLiteral("@Variant(") + QChar::Null + QStringLiteral("\x7fQString)");
    QTest::newRow("non-ASCII") << QStringLiteral("Zoë Ünal 日本 ✓ 🙂");
    QTest::newRow("thousand characters") << QString(1000, QLatin1Char('x'));
    QTest::newRow("empty") << QString();
    QTest::newRow("looks like a number") << QStringLiteral("0012");
}

void TestSettingsStore::namesRoundTrip()
{
    QFETCH(QString, name);
    const QString path = freshStorePath();
    IniSettingsStore first(path);
    first.write(kRecords, QStringLiteral("BestPlayer"), QStringLiteral("before"));
    const QByteArray before = fileBytes(path);

    first.write(kRecords, QStringLiteral("BestPlayer"), name);
    // On disk at once, without waiting for the store to go away.
    QVERIFY(fileBytes(path) != before);
    QCOMPARE(readFromDisk(path, kRecords, QStringLiteral("BestPlayer")), name);
    QCOMPARE(IniSettingsStore(path).read(
                 kRecords, QStringLiteral("BestPlayer"), QStringLiteral("<missing>")),
        name);
    // Other keys are untouched by whatever the name holds.
    first.write(kRecords, QStringLiteral("BestTime"), QStringLiteral("42"));
    first.write(kRecords, QStringLiteral("BestPlayer"), name);
    QCOMPARE(readFromDisk(path, kRecords, QStringLiteral("BestTime")), QStringLiteral("42"));
    QCOMPARE(readFromDisk(path, QStringLiteral("Settings"), QStringLiteral("MainLeft")),
        QStringLiteral("<missing>"));
}

void TestSettingsStore::handTypedValues_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("first half at the end")
        << QByteArray("BestPlayer=Ann\\x0d800") << QStringLiteral("Ann\uFFFD");
    QTest::newRow("first half inside")
        << QByteArray("BestPlayer=A\\x0d800nn") << QStringLiteral("A\uFFFDnn");
    QTest::newRow("first half before an escape")
        << QByteArray("BestPlayer=\\x0d800\\tAnn") << QStringLiteral("\uFFFD\tAnn");
    QTest::newRow("second half alone")
        << QByteArray("BestPlayer=\\x0dc00zz") << QStringLiteral("\uFFFDzz");
    QTest::newRow("in a list") << QByteArray("BestTime=12, \\0155555")
                               << QStringLiteral("12, \uFFFD");
    QTest::newRow("both halves") << QByteArray("BestPlayer=\\x0d83d\\x0de42")
                                 << QStringLiteral("\U0001F642");
    // The value, whose length field asked for 4 GB when it was unpacked.
    QTest::newRow("@Variant") << QByteArray(
        "BestPlayer=@Variant(\\0\\0\\0\\x\v\v\v\v\v\v\v\v\v\v\v\v"
        "7f\\0\\0\\S0\xdc"
        "aQtring)") << QStringLiteral("<missing>");
    QTest::newRow("@ByteArray") << QByteArray("BestPlayer=@ByteArray(Ann)")
                                << QStringLiteral("<missing>");
    QTest::newRow("@Rect") << QByteArray("MainLeft=@Rect(1 2 3 4)") << QStringLiteral("<missing>");
}

// Values typed into the file by hand read the same before and after
// another key's write. An escape can make half of a surrogate pair, which a
// rewrite would drop or move: it reads as the replacement character. A
// value in the form QSettings gives other types holds no text: it reads as
// missing, and the file keeps it.
void TestSettingsStore::handTypedValues()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    const QString path = freshStorePath();
    writeFile(path, "[Records]\n" + line + "\n");
    const QString key = QString::fromLatin1(line.left(line.indexOf('=')));
    {
        IniSettingsStore store(path);
        QCOMPARE(store.read(kRecords, key, QStringLiteral("<missing>")), text);
        store.write(kRecords, QStringLiteral("TimesPlayed"), QStringLiteral("21"));
    }
    QCOMPARE(readFromDisk(path, kRecords, key), text);
    if (text == QLatin1String("<missing>"))
        QVERIFY(fileBytes(path).contains(line.left(line.indexOf('(') + 1)));
}

void TestSettingsStore::damagedFileStartsAfresh_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("asDirectory");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("garbled text") << randomBytes(20000, true) << false;
    QTest::newRow("binary") << randomBytes(20000, false) << false;
    QTest::newRow("half a section") << QByteArray("[Records\nBestTime") << false;
    QTest::newRow("huge") << randomBytes(8 * 1024 * 1024, true) << false;
    QTest::newRow("directory in its place") << QByteArray() << true;
}

void TestSettingsStore::damagedFileStartsAfresh()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, asDirectory);
    const QString path = freshStorePath();
    if (asDirectory)
        QVERIFY(QDir().mkpath(path));
    else
        writeFile(path, content);

    QElapsedTimer clock;
    clock.start();
    IniSettingsStore store(path);
    QCOMPARE(readLaunchCount(store), std::int16_t(0));
    Records records;
    loadRecords(records, store);
    QCOMPARE(records.gBestTime, std::int16_t(999));
    QCOMPARE(records.gBestPlayer, QStringLiteral("Nobody"));
    QCOMPARE(records.gTimesPlayed, std::int16_t(0));
    // The run goes on with what it wrote, whether or not the disk took it.
    QCOMPARE(store.read(kRecords, QStringLiteral("TimesPlayed")), QStringLiteral("1"));
    QVERIFY2(clock.elapsed() < 30000, "a damaged file must not stall the start");
    if (!asDirectory) {
        QCOMPARE(readFromDisk(path, kRecords, QStringLiteral("BestTime")), QStringLiteral("999"));
        QCOMPARE(readFromDisk(path, kRecords, QStringLiteral("TimesPlayed")), QStringLiteral("1"));
    }
}

void TestSettingsStore::readOnlyDirectory_data()
{
    QTest::addColumn<QByteArray>("content"); // of the settings file; null for none
    QTest::addColumn<bool>("appDirExists");
    QTest::addColumn<QString>("expectedLaunches");
    QTest::addColumn<QString>("expectedLoad");
    QTest::newRow("file with records")
        << QByteArray("[Records]\nBestTime=42\nBestPlayer=Ann\nTimesPlayed=7\n") << true
        << QStringLiteral("launches 7") << QStringLiteral("loaded 42|Ann|7");
    QTest::newRow("no file") << QByteArray() << true << QStringLiteral("launches 0")
                             << QStringLiteral("loaded 999|Nobody|0");
    QTest::newRow("no directory") << QByteArray() << false << QStringLiteral("launches 0")
                                  << QStringLiteral("loaded 999|Nobody|0");
}

void TestSettingsStore::readOnlyDirectory()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, appDirExists);
    QFETCH(QString, expectedLaunches);
    QFETCH(QString, expectedLoad);

    // Root ignores file permissions, so as root the check runs as "nobody"
    // in a directory that user may read but not change.
    const QStringList prefix = unprivilegedPrefix();

    QTemporaryDir base(QStringLiteral("/tmp/figurewheel-readonly-XXXXXX"));
    QVERIFY(base.isValid());
    const QString configHome = base.path() + QStringLiteral("/config");
    const QString appDir = configHome + QStringLiteral("/Figurewheel");
    const QString file = appDir + QStringLiteral("/Figurewheel.conf");
    QVERIFY(QDir().mkpath(appDirExists ? appDir : configHome));
    if (!content.isNull())
        writeFile(file, content);
    const auto setModes = [&](mode_t dirs, mode_t files) {
        ::chmod(base.path().toLocal8Bit().constData(), 0755);
        ::chmod(configHome.toLocal8Bit().constData(), dirs);
        ::chmod(appDir.toLocal8Bit().constData(), dirs);
        ::chmod(file.toLocal8Bit().constData(), files);
    };
    setModes(0555, 0444);
    const auto restore = qScopeGuard([&] { setModes(0755, 0644); });

    if (const auto ping = startChild("ping", configHome, prefix);
        !ping->finish(30000) || ping->lines() != QStringList {QStringLiteral("pong")})
        QSKIP("cannot run this test binary as an unprivileged user here");

    const auto child = startChild("start", configHome, prefix);
    QVERIFY(child->finish(30000));
    QVERIFY2(child->endedWell(), qPrintable(child->transcript()));
    const QStringList lines = child->lines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), expectedLaunches);
    QCOMPARE(lines.at(1), expectedLoad);
    // The run keeps what it wrote for itself...
    QCOMPARE(lines.at(2), QStringLiteral("after 5|Mallory"));
    // ...while the disk keeps what it had.
    QCOMPARE(fileBytes(file), content.isNull() ? QByteArray() : content);
    QCOMPARE(QFileInfo::exists(file), !content.isNull());
    if (appDirExists)
        QCOMPARE(QDir(appDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            content.isNull() ? QStringList() : QStringList {QStringLiteral("Figurewheel.conf")});
}

void TestSettingsStore::twoCopiesCountEveryLaunch()
{
    const QString configHome = testDir() + QStringLiteral("/two-copies");
    const QString file = configHome + QStringLiteral("/Figurewheel/Figurewheel.conf");
    writeFile(file, "[Records]\nBestTime=50\nBestPlayer=Ann\nTimesPlayed=0\n");

    constexpr int kRounds = 20;
    const auto first = startChild("count", configHome, {}, kRounds);
    const auto second = startChild("count", configHome, {}, kRounds);
    QVERIFY(first->finish(60000));
    QVERIFY(second->finish(60000));
    QVERIFY2(first->endedWell(), qPrintable(first->transcript()));
    QVERIFY2(second->endedWell(), qPrintable(second->transcript()));

    QCOMPARE(
        readFromDisk(file, kRecords, QStringLiteral("TimesPlayed")), QString::number(2 * kRounds));
    QCOMPARE(readFromDisk(file, kRecords, QStringLiteral("BestTime")), QStringLiteral("50"));
    QCOMPARE(readFromDisk(file, kRecords, QStringLiteral("BestPlayer")), QStringLiteral("Ann"));
}

int main(int argc, char *argv[])
{
    if (const QByteArray mode = qgetenv(kChildMode); !mode.isEmpty())
        return runChild(mode, argc, argv);
    QCoreApplication app(argc, argv);
    TestSettingsStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore.moc"
