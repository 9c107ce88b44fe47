// Linked into every test: before anything else runs, point the settings
// store at a fresh private directory and choose the offscreen platform, so a
// test can never read or change the player's own records.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

struct TestEnvironment {
    TestEnvironment()
    {
        std::string pattern = QDir::tempPath().toStdString() + "/figurewheel-test-XXXXXX";
        if (char *dir = ::mkdtemp(pattern.data())) {
            qputenv("XDG_CONFIG_HOME", QByteArray(dir) + "/config");
            qputenv("FIGUREWHEEL_TEST_DIR", QByteArray(dir));
            const QByteArray runtime = QByteArray(dir) + "/runtime";
            QDir().mkpath(QString::fromLocal8Bit(runtime));
            QFile::setPermissions(QString::fromLocal8Bit(runtime),
                QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", runtime);
            m_dir = dir;
        } else {
            std::abort();
        }
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ~TestEnvironment()
    {
        if (!m_dir.isEmpty())
            QDir(m_dir).removeRecursively();
    }
    QString m_dir;
};

const TestEnvironment environment;

} // namespace
