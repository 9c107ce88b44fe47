// The celebration with its sound and animation files missing, empty or
// garbage: it still opens, plays what it can (or nothing, silently), closes
// when the player closes it, and the game plays on and ends cleanly. Each
// case is a whole run of the game in a process of its own, since a run has
// one sound player and looks for the files in its working directory first.
#include "media/MediaFiles.h"
#include "support/ChildProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtTest>

using namespace fwtest;

namespace {

const QString kSound = QStringLiteral("hound.wav");
const QString kAnimation = QStringLiteral("dancers.gif");
const QString kTitle = QStringLiteral("Congratulations!  You did it!");

QByteArray garbage(const QByteArray &header)
{
    QByteArray bytes = header;
    for (int i = 0; i < 4096; ++i)
        bytes += char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

} // namespace

class TestMediaFaults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void celebrationWithDamagedMedia_data();
    void celebrationWithDamagedMedia();
    void cleanupTestCase();

private:
    QString m_probe;
    int m_faultsTried = 0;
};

void TestMediaFaults::initTestCase()
{
    m_probe = fromEnvironment("FIGUREWHEEL_PROBE");
    QVERIFY2(QFileInfo(m_probe).isExecutable(), "FIGUREWHEEL_PROBE names no program");
    // Only the files a case puts in the working directory may be found.
    QDir::setCurrent(QString::fromLocal8Bit(qgetenv("FIGUREWHEEL_TEST_DIR")));
    if (fw::findMediaFile(kSound) != kSound || fw::findMediaFile(kAnimation) != kAnimation)
        QSKIP("installed copies of the media files would be found");
}

void TestMediaFaults::celebrationWithDamagedMedia_data()
{
    QTest::addColumn<QString>("sound");     // "good", "missing", "empty" or "garbage"
    QTest::addColumn<QString>("animation"); // the same
    QTest::addColumn<int>("holdMs");        // how long each celebration stays open
    QTest::newRow("both good") << "good"
                               << "good" << 0;
    for (const char *fault : {"missing", "empty", "garbage"}) {
        QTest::addRow("sound %s", fault) << fault << "good" << 0;
        QTest::addRow("animation %s", fault) << "good" << fault << 0;
    }
    QTest::newRow("both missing") << "missing"
                                  << "missing" << 0;
    // Open past the four seconds after which the sound is played again.
    QTest::newRow("garbage left open") << "garbage"
                                       << "garbage" << 4300;
}

void TestMediaFaults::celebrationWithDamagedMedia()
{
    QFETCH(QString, sound);
    QFETCH(QString, animation);
    QFETCH(int, holdMs);

    static int serial = 0;
    const QString base = QString::fromLocal8Bit(qgetenv("FIGUREWHEEL_TEST_DIR"))
        + QStringLiteral("/media-%1").arg(++serial);
    const QString workDir = base + QStringLiteral("/work");
    QVERIFY(QDir().mkpath(workDir));
    const struct {
        QString name;
        QString state;
        QByteArray header;
    } files[] = {
        {kSound, sound, QByteArrayLiteral("RIFF\x10\0\0\0WAVEfmt ")},
        {kAnimation, animation, QByteArrayLiteral("GIF89a")},
    };
    for (const auto &file : files) {
        const QString path = workDir + QLatin1Char('/') + file.name;
        if (file.state == QLatin1String("good"))
            QVERIFY(QFile::copy(QStringLiteral(FIGUREWHEEL_MEDIA_DIR "/") + file.name, path));
        else if (file.state == QLatin1String("empty"))
            writeFile(path, QByteArray());
        else if (file.state == QLatin1String("garbage"))
            writeFile(path, garbage(file.header));
    }

    QStringList environment;
    if (holdMs > 0)
        environment << QStringLiteral("FIGUREWHEEL_PROBE_HOLD_MS=%1").arg(holdMs);
    ChildProcess game(m_probe, {QStringLiteral("play")}, base + QStringLiteral("/config"), {},
        environment, workDir);
    // Two puzzles with a celebration each, then the window closes and the
    // program ends: no hang on a broken file, at any point.
    QVERIFY2(game.finish(60000 + 2 * holdMs), qPrintable(game.transcript()));
    QVERIFY2(game.endedWell(), qPrintable(game.transcript()));
    ++m_faultsTried;

    const QString dancing
        = animation == QLatin1String("good") ? QStringLiteral("dancing") : QStringLiteral("still");
    QStringList celebrations;
    QStringList solves;
    QStringList bests;
    for (const QString &line : game.lines()) {
        if (line.startsWith(QLatin1String("celebration ")))
            celebrations << line;
        else if (line.startsWith(QLatin1String("solved at ")))
            solves << line.mid(10);
        else if (line.startsWith(QLatin1String("best ")))
            bests << line.mid(5);
    }
    QCOMPARE(
        celebrations, QStringList(2, QStringLiteral("celebration '%1', %2").arg(kTitle, dancing)));
    QCOMPARE(solves.size(), 2);
    const int best = std::min(solves.at(0).toInt(), solves.at(1).toInt());
    QCOMPARE(bests,
        QStringList({solves.at(0) + QStringLiteral("|Zed"),
            QString::number(best) + QStringLiteral("|Zed")}));
    QVERIFY2(game.lines().endsWith(QStringLiteral("exit")), qPrintable(game.transcript()));
}

void TestMediaFaults::cleanupTestCase()
{
    qInfo("%d media cases tried, every celebration opened and closed", m_faultsTried);
}

QTEST_GUILESS_MAIN(TestMediaFaults)
#include "tst_media_faults.moc"
