// Every window on a screen scaled by 2: twice as large in device pixels,
// every control where it was laid out, and no text cut off.
#include "mainwindow/FrmMain.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "support/AllWindows.h"
#include "support/CountingSound.h"
#include "support/ScriptedDie.h"
#include "support/TextFits.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace fw;

class TestHighDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windows_data();
    void windows();

private:
    ScriptedDie m_die {4, 2, 5, 1, 1, 1, 2, 4, 3, 1, 1};
    IniSettingsStore m_store;
    Records m_records {999, QStringLiteral("Nobody"), 0};
    CountingSound m_sound;
    std::unique_ptr<FrmMain> m_main;
};

void TestHighDpi::initTestCase()
{
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    m_main = std::make_unique<FrmMain>(m_die, m_store, m_records, m_sound);
    m_main->Form_Load();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestHighDpi::windows_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : kAllWindows)
        QTest::newRow(qPrintable(name)) << name;
}

void TestHighDpi::windows()
{
    QFETCH(QString, window);
    std::unique_ptr<QWidget> owned = makeSecondaryWindow(window, m_main.get(), m_sound, m_records);
    QWidget *shown = m_main.get();
    if (owned) {
        owned->show();
        QVERIFY(QTest::qWaitForWindowExposed(owned.get()));
        shown = owned.get();
    }
    QCOMPARE(shown->devicePixelRatioF(), 2.0);
    const QPixmap picture = shown->grab();
    QCOMPARE(picture.size(), shown->size() * 2);

    // Controls keep their laid-out places in device-independent pixels;
    // texts fit their boxes.
    QCOMPARE(overrunning(shown), QStringList());
    if (window == "frmMain") {
        QCOMPARE(shown->findChild<QWidget *>("txtGuess(6)")->geometry(), QRect(496, 232, 25, 33));
        QCOMPARE(
            shown->findChild<QWidget *>("txtCurrentTotal")->geometry(), QRect(544, 224, 89, 41));
    }
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
