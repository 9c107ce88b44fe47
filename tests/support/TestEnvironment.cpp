// Linked into every test: before anything else runs, point the settings
// store at a fresh private directory and choose the offscreen platform, so a
// test can never read or change the player's own records.
#include <QByteArray>
#include <QDir>
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
