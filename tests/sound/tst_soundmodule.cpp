// The sound module: the program does not link Qt Multimedia; the game's
// player opens the module on the first file it finds and plays through it,
// and plays nothing when the module is missing or broken. Without a sound
// server the game plays on as usual; beside one (with-pulseaudio.sh), mixers
// show the sound as the game's.
#include "support/RecordsTestSupport.h"

#include "media/MediaFiles.h"
#include "sound/SoundPlayer.h"
#include "support/ChildProcess.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

using namespace fw;
using namespace fwtest;

namespace {

const QString kSound = QStringLiteral("hound.wav");

// Whether Qt Multimedia is loaded into this process.
bool multimediaLoaded()
{
    return fileBytes(QStringLiteral("/proc/self/maps")).contains("libQt6Multimedia.so");
}

// The playing streams' properties, as a mixer reads them.
QByteArray sinkInputs()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished();
    return pactl.readAllStandardOutput();
}

} // namespace

class TestSoundModule : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void programDoesNotLinkMultimedia();
    void moduleOpensOnFirstSoundFound();
    void missingModulePlaysNothing();
    void brokenModulePlaysNothing();
    void gamePlaysOnWithoutServer();
    void mixersShowTheGame();

private:
    std::unique_ptr<QTemporaryDir> m_workDir;
};

void TestSoundModule::init()
{
    m_workDir = std::make_unique<QTemporaryDir>(testDir() + QStringLiteral("/sound-XXXXXX"));
    QVERIFY(m_workDir->isValid());
    QVERIFY(QDir::setCurrent(m_workDir->path()));
    if (findMediaFile(kSound) != kSound)
        QSKIP("an installed hound.wav is found beside the program or in the data directory");
}

void TestSoundModule::cleanup()
{
    QDir::setCurrent(testDir());
    m_workDir.reset();
}

void TestSoundModule::programDoesNotLinkMultimedia()
{
    const QString game = fromEnvironment("FIGUREWHEEL_GAME");
    QVERIFY2(QFileInfo(game).isExecutable(), "FIGUREWHEEL_GAME names no program");
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {game});
    QVERIFY(ldd.waitForFinished());
    QCOMPARE(ldd.exitCode(), 0);
    const QByteArray libraries = ldd.readAllStandardOutput();
    QVERIFY(libraries.contains("libQt6Widgets.so"));
    QVERIFY2(!libraries.contains("libQt6Multimedia.so"), libraries.constData());
}

void TestSoundModule::moduleOpensOnFirstSoundFound()
{
    const QString module = fromEnvironment("FIGUREWHEEL_SOUND_MODULE");
    QVERIFY2(QFileInfo(module).isFile(), "FIGUREWHEEL_SOUND_MODULE names no file");
    QVERIFY(!multimediaLoaded());

    ModuleSoundPlayer player({QFileInfo(module).absolutePath()});
    player.play(kSound); // no such file: nothing to open the module for
    QVERIFY(!player.isLoaded());
    QVERIFY(!multimediaLoaded());

    QFile wave(kSound);
    QVERIFY(wave.open(QIODevice::WriteOnly));
    wave.write(silentWave());
    wave.close();
    player.play(kSound);
    QVERIFY(player.isLoaded());
    QVERIFY(multimediaLoaded());
    QCOMPARE(player.lastPlayed(), QDir(m_workDir->path()).absoluteFilePath(kSound));
}

void TestSoundModule::missingModulePlaysNothing()
{
    QVERIFY(QDir().mkdir(QStringLiteral("empty")));
    QFile wave(kSound);
    QVERIFY(wave.open(QIODevice::WriteOnly));
    wave.write(silentWave());
    wave.close();
    ModuleSoundPlayer player({QDir(m_workDir->path()).absoluteFilePath(QStringLiteral("empty"))});
    player.play(kSound);
    player.play(kSound);
    QVERIFY(!player.isLoaded());
    QVERIFY(player.lastPlayed().isEmpty());
}

void TestSoundModule::brokenModulePlaysNothing()
{
    QFile module(QString::fromLatin1(kSoundModuleFile));
    QVERIFY(module.open(QIODevice::WriteOnly));
    module.write("\x7f"
                 "ELF but not a library");
    module.close();
    QFile wave(kSound);
    QVERIFY(wave.open(QIODevice::WriteOnly));
    wave.write(silentWave());
    wave.close();
    ModuleSoundPlayer player({m_workDir->path()});
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression(QStringLiteral("^Figurewheel: no sound: ")));
    player.play(kSound);
    player.play(kSound); // tried once only
    QVERIFY(!player.isLoaded());
}

// No sound server (PULSE_SERVER names no socket): two solves, each with its
// celebration, and a new puzzle between, in the usual few hundred ms.
void TestSoundModule::gamePlaysOnWithoutServer()
{
    QVERIFY(QFile::copy(QStringLiteral(FIGUREWHEEL_MEDIA_DIR "/hound.wav"), kSound));
    QElapsedTimer clock;
    clock.start();
    ChildProcess game(fromEnvironment("FIGUREWHEEL_PROBE"), {QStringLiteral("play")},
        m_workDir->path(), {}, {}, m_workDir->path());
    QVERIFY2(game.finish(30000) && game.endedWell(), qPrintable(game.transcript()));
    QCOMPARE(game.lines().filter(QStringLiteral("celebration '")).size(), 2);
    qInfo("the game took %lld ms", clock.elapsed());
    QVERIFY(clock.elapsed() < 5000);
}

// Run by with-pulseaudio.sh: the stream as every mixer reads it while it plays.
void TestSoundModule::mixersShowTheGame()
{
    if (!QFileInfo::exists(fromEnvironment("PULSE_SERVER").remove(QStringLiteral("unix:"))))
        QSKIP("no sound server of the test's own (with-pulseaudio.sh)");
    QVERIFY(QFile::copy(QStringLiteral(FIGUREWHEEL_MEDIA_DIR "/hound.wav"), kSound));
    ModuleSoundPlayer player({QFileInfo(fromEnvironment("FIGUREWHEEL_SOUND_MODULE")).path()});
    player.play(kSound);
    QByteArray streams;
    QTRY_VERIFY_WITH_TIMEOUT((streams = sinkInputs()).contains("media.role"), 10000);
    for (const char *property : {"application.name = \"Figurewheel\"",
             "application.icon_name = \"figurewheel\"", "media.name = \"Celebration sound\"",
             "media.role = \"event\"", "application.version = \"1.0\""})
        QVERIFY2(streams.contains(property), streams.constData());
}

QTEST_MAIN(TestSoundModule)
#include "tst_soundmodule.moc"
