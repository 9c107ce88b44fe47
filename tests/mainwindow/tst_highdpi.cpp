// Every window on a screen scaled by 2: twice as large in device pixels,
// every control where it was laid out, and no text cut off.
#include "support/AllWindows.h"
#include "support/MainGame.h"
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
    std::unique_ptr<MainGame> m_game;
};

void TestHighDpi::initTestCase()
{
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    m_game = std::make_unique<MainGame>();
    QVERIFY(QTest::qWaitForWindowExposed(&m_game->window));
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
    std::unique_ptr<QWidget> owned
        = makeSecondaryWindow(window, &m_game->window, m_game->sound, m_game->records);
    QWidget *shown = &m_game->window;
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
