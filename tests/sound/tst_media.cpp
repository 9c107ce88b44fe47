// Where the media files are found, the sound module's player that plays them,
// and the names it gives the sound for the desktop's mixers.
#include "support/RecordsTestSupport.h"

#include "media/MediaFiles.h"
#include "sound/EffectSoundPlayer.h"
#include "sound/MixerNames.h"

#include <QCoreApplication>
#include <QSoundEffect>
#include <QtTest>

using namespace fw;
using namespace fwtest;

class TestMedia : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lookupOrder_data();
    void lookupOrder();
    void playsFoundFile();
    void missingFilePlaysNothing();
    void mixerNamesLeaveThePlayers();

private:
    QString m_workDir;
    QStringList m_placed;
};

void TestMedia::init()
{
    static int serial = 0;
    m_workDir = testDir() + QStringLiteral("/cwd-%1").arg(++serial);
    QVERIFY(QDir().mkpath(m_workDir));
    QVERIFY(QDir::setCurrent(m_workDir));
}

void TestMedia::cleanup()
{
    QDir::setCurrent(testDir());
    for (const QString &path : std::as_const(m_placed))
        QFile::remove(path);
    m_placed.clear();
}

void TestMedia::lookupOrder_data()
{
    QTest::addColumn<bool>("inWorkDir");
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<QString>("foundIn"); // "work", "program" or "" for the bare name
    QTest::newRow("working directory") << true << false << QStringLiteral("work");
    QTest::newRow("beside the program") << false << true << QStringLiteral("program");
    QTest::newRow("working directory first") << true << true << QStringLiteral("work");
    QTest::newRow("nowhere") << false << false << QString();
}

void TestMedia::lookupOrder()
{
    QFETCH(bool, inWorkDir);
    QFETCH(bool, besideProgram);
    QFETCH(QString, foundIn);
    // A name no installed file can have.
    const QString name
        = QStringLiteral("figurewheel-test-%1.wav").arg(QCoreApplication::applicationPid());
    const QString work = QDir(m_workDir).absoluteFilePath(name);
    const QString program = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(name);
    if (inWorkDir) {
        writeFile(work, "w");
        m_placed << work;
    }
    if (besideProgram) {
        writeFile(program, "p");
        m_placed << program;
    }
    const QString expected = foundIn == QLatin1String("work") ? work
        : foundIn == QLatin1String("program")                 ? program
                                                              : name;
    QCOMPARE(findMediaFile(name), expected);
}

void TestMedia::playsFoundFile()
{
    writeFile(QStringLiteral("hound.wav"), silentWave());
    EffectSoundPlayer player;
    player.play(QStringLiteral("hound.wav"));
    // A file URL with the full path: a bare name would not load.
    QCOMPARE(player.source(),
        QUrl::fromLocalFile(QDir(m_workDir).absoluteFilePath(QStringLiteral("hound.wav"))));
    player.play(QStringLiteral("hound.wav"));
    QTest::qWait(300); // let it load and play, or fail quietly without a sound device
}

void TestMedia::missingFilePlaysNothing()
{
    if (findMediaFile(QStringLiteral("hound.wav")) != QLatin1String("hound.wav"))
        QSKIP("an installed hound.wav is found beside the program or in the data directory");
    EffectSoundPlayer player;
    player.play(QStringLiteral("hound.wav"));
    QVERIFY(player.source().isEmpty());
    // A broken file is handed over and fails inside Qt Multimedia, harmlessly.
    writeFile(QStringLiteral("hound.wav"), "RIFF but not a wave");
    player.play(QStringLiteral("hound.wav"));
    QTest::qWait(300);
    QVERIFY(!player.source().isEmpty());
}

void TestMedia::mixerNamesLeaveThePlayers()
{
    qputenv("PULSE_PROP", "media.role=music");
    qputenv("PULSE_PROP_application.icon_name", "mine");
    nameSoundConnection();
    QCOMPARE(qgetenv("PULSE_PROP_application.icon_name"), QByteArray("mine"));
    QVERIFY(!qEnvironmentVariableIsSet("PULSE_PROP_media.role"));
    QCOMPARE(qgetenv("PULSE_PROP_OVERRIDE_application.name"), QByteArray("Figurewheel"));
}

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
