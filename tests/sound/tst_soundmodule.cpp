// The sound module: the program does not link Qt Multimedia; the game's
// player opens the module on the first file it finds and plays through it,
// and plays nothing when the module is missing or broken.
#include "support/RecordsTestSupport.h"

#include "media/MediaFiles.h"
#include "sound/SoundPlayer.h"

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

QString fromEnvironment(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
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

QTEST_MAIN(TestSoundModule)
#include "tst_soundmodule.moc"
