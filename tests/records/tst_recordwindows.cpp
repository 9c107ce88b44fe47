// The celebration, new-record and best-time windows: their layout, the
// celebration's sound and animation, the name hand-over and the display.
#include "support/AllWindows.h"
#include "support/ControlText.h"
#include "support/RecordsTestSupport.h"
#include "support/TextFits.h"

#include "celebration/FrmHooray.h"
#include "media/MediaFiles.h"
#include "records/FrmBest.h"
#include "records/FrmNewRecord.h"
#include "records/Records.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace fw;
using namespace fwtest;

namespace {

// A two-frame 1 x 1 animated GIF, made here byte by byte.
QByteArray tinyAnimatedGif()
{
    const QByteArray frame = QByteArray::fromHex("21f90400"
                                                 "0a000000"             // 0.1 s per frame
                                                 "2c000000000100010000" // the 1 x 1 image
                                                 "0202440100");         // its one pixel
    return QByteArray::fromHex("474946383961"
                               "01000100"
                               "800000"
                               "000000ffffff"
                               "21ff0b"
                               "4e45545343415045322e30"
                               "0301000000")
        + frame + frame + QByteArray::fromHex("3b");
}

// The control of a window's own at a point in twips of its client area.
QString controlAt(QWidget &window, int x, int y)
{
    QWidget *child = window.childAt(ui::px(x), ui::px(y));
    while (child && child->parentWidget() != &window)
        child = child->parentWidget();
    return child ? child->objectName() : QString();
}

const QColor kDarkBlue(0, 0, 192);
const QColor kDarkRed(192, 0, 0);

} // namespace

class TestRecordWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void frames_data();
    void frames();
    void controls_data();
    void controls();
    void frontToBack_data();
    void frontToBack();
    void pictures_data();
    void pictures();
    void longTextsFit();

    void hoorayPlaysAtLoadAndEachTick();
    void hoorayClosedEarlyPlaysOnce();
    void hoorayOpenTenSecondsPlaysThrice();
    void hoorayMedia_data();
    void hoorayMedia();
    void hoorayCentredOnOwner();

    void newRecordName_data();
    void newRecordName();
    void bestShowsRecords_data();
    void bestShowsRecords();

private:
    CountingSound m_sound;
    Records m_records {999, QStringLiteral("Nobody"), 0};
};

void TestRecordWindows::init()
{
    // Each test runs in an empty working directory of its own, the first
    // place the media files are looked for.
    static int serial = 0;
    const QString dir = testDir() + QStringLiteral("/cwd-%1").arg(++serial);
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(QDir::setCurrent(dir));
    m_sound.played.clear();
    m_records = Records {999, QStringLiteral("Nobody"), 0};
}

void TestRecordWindows::cleanup()
{
    QDir::setCurrent(testDir());
}

void TestRecordWindows::frames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QColor>("background"); // invalid: the platform's
    QTest::newRow("frmHooray") << QStringLiteral("frmHooray")
                               << QStringLiteral("Congratulations!  You did it!") << 3552 << 2748
                               << QColor();
    QTest::newRow("frmNewRecord") << QStringLiteral("frmNewRecord")
                                  << QStringLiteral("Congratulations!") << 7752 << 3900 << QColor();
    QTest::newRow("frmBest") << QStringLiteral("frmBest") << QStringLiteral("Who's Best?") << 5796
                             << 3288 << kDarkBlue;
}

void TestRecordWindows::frames()
{
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QColor, background);
    const auto dialog = makeSecondaryWindow(window, nullptr, m_sound, m_records);
    QCOMPARE(dialog->objectName(), window);
    QCOMPARE(dialog->windowTitle(), title);
    QCOMPARE(dialog->size(), ui::twipsSize(width, height));
    QVERIFY(!dialog->parentWidget());
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    const Qt::WindowFlags flags = dialog->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(flags.testFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
    QVERIFY(dialog->findChildren<QPushButton *>().isEmpty());
    if (background.isValid()) {
        QVERIFY(dialog->autoFillBackground());
        QCOMPARE(dialog->palette().color(dialog->backgroundRole()), background);
    }
}

void TestRecordWindows::controls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");  // null: not checked
    QTest::addColumn<double>("points"); // 0: not checked
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("textColor"); // invalid: not checked

    const QString hooray = QStringLiteral("frmHooray");
    QTest::newRow("frmHooray DXAnimatedGIF1")
        << hooray << QStringLiteral("DXAnimatedGIF1") << QRect(960, 1560, 1812, 972) << QString()
        << 0.0 << false << false << QColor();
    QTest::newRow("frmHooray Image1")
        << hooray << QStringLiteral("Image1") << QRect(120, 120, 3324, 2532) << QString() << 0.0
        << false << false << QColor();
    QTest::newRow("frmHooray MMControl1")
        << hooray << QStringLiteral("MMControl1") << QRect(3000, 360, 3540, 615) << QString() << 0.0
        << false << false << QColor();

    const QString newRecord = QStringLiteral("frmNewRecord");
    QTest::newRow("frmNewRecord txtName")
        << newRecord << QStringLiteral("txtName") << QRect(720, 3360, 2655, 375)
        << QStringLiteral("Nobody") << 8.0 << false << false << QColor();
    QTest::newRow("frmNewRecord Label2")
        << newRecord << QStringLiteral("Label2") << QRect(720, 3000, 2895, 375)
        << QStringLiteral("What's your name?") << 13.8 << true << false << kDarkBlue;
    QTest::newRow("frmNewRecord Label1")
        << newRecord << QStringLiteral("Label1") << QRect(240, 1320, 3855, 495)
        << QStringLiteral("I see a new record!") << 18.0 << true << true << kDarkBlue;
    QTest::newRow("frmNewRecord Image1")
        << newRecord << QStringLiteral("Image1") << QRect(0, -120, 9600, 7065) << QString() << 0.0
        << false << false << QColor();

    const QString best = QStringLiteral("frmBest");
    QTest::newRow("frmBest Label1")
        << best << QStringLiteral("Label1") << QRect(2880, 1440, 2055, 615)
        << QStringLiteral("seconds") << 24.0 << true << true << kDarkRed;
    QTest::newRow("frmBest lblBestTime")
        << best << QStringLiteral("lblBestTime") << QRect(1680, 1440, 1215, 615)
        << QStringLiteral("999") << 24.0 << true << true << kDarkRed;
    QTest::newRow("frmBest lblBestPlayer")
        << best << QStringLiteral("lblBestPlayer") << QRect(120, 600, 5415, 495)
        << QStringLiteral("Nobody") << 24.0 << true << true << kDarkRed;
}

void TestRecordWindows::controls()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QColor, textColor);

    const auto dialog = makeSecondaryWindow(window, nullptr, m_sound, m_records);
    auto *widget = dialog->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), dialog.get());
    QCOMPARE(widget->geometry(), ui::twipsRect(twips));
    if (!text.isNull())
        QCOMPARE(textOf(widget), text);
    if (points > 0) {
        const QFont expected = ui::gameFont(points, bold, italic);
        QCOMPARE(widget->font().pixelSize(), expected.pixelSize());
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->font().italic(), italic);
    }
    if (textColor.isValid()) {
        QCOMPARE(widget->palette().color(QPalette::WindowText), textColor);
        // Drawn on whatever lies behind it.
        QVERIFY(!widget->autoFillBackground());
    }
}

void TestRecordWindows::frontToBack_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QPoint>("twips");
    QTest::addColumn<QString>("control"); // empty: the window itself
    const QString hooray = QStringLiteral("frmHooray");
    QTest::newRow("animation over picture")
        << hooray << QPoint(1800, 2000) << QStringLiteral("DXAnimatedGIF1");
    QTest::newRow("picture around it") << hooray << QPoint(300, 300) << QStringLiteral("Image1");
    QTest::newRow("hidden sound control")
        << hooray << QPoint(3300, 500) << QStringLiteral("Image1");
    QTest::newRow("hooray margin") << hooray << QPoint(60, 60) << QString();
    const QString newRecord = QStringLiteral("frmNewRecord");
    QTest::newRow("name field over picture")
        << newRecord << QPoint(800, 3500) << QStringLiteral("txtName");
    QTest::newRow("question over picture")
        << newRecord << QPoint(800, 3100) << QStringLiteral("Label2");
    QTest::newRow("headline over picture")
        << newRecord << QPoint(300, 1400) << QStringLiteral("Label1");
    QTest::newRow("picture fills the window")
        << newRecord << QPoint(7700, 30) << QStringLiteral("Image1");
    const QString best = QStringLiteral("frmBest");
    QTest::newRow("seconds over the time's edge")
        << best << QPoint(2882, 1600) << QStringLiteral("Label1");
    QTest::newRow("time") << best << QPoint(1700, 1600) << QStringLiteral("lblBestTime");
    QTest::newRow("holder") << best << QPoint(200, 700) << QStringLiteral("lblBestPlayer");
    QTest::newRow("dark blue ground") << best << QPoint(100, 3000) << QString();
}

void TestRecordWindows::frontToBack()
{
    QFETCH(QString, window);
    QFETCH(QPoint, twips);
    QFETCH(QString, control);
    const auto dialog = makeSecondaryWindow(window, nullptr, m_sound, m_records);
    dialog->setAttribute(Qt::WA_DontShowOnScreen);
    dialog->show();
    QCOMPARE(controlAt(*dialog, twips.x(), twips.y()), control);
}

void TestRecordWindows::pictures_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("resource");
    QTest::newRow("celebration") << QStringLiteral("frmHooray")
                                 << QStringLiteral(":/pictures/hooray.gif");
    QTest::newRow("new record") << QStringLiteral("frmNewRecord")
                                << QStringLiteral(":/pictures/splash.bmp");
}

void TestRecordWindows::pictures()
{
    QFETCH(QString, window);
    QFETCH(QString, resource);
    if (!QFile::exists(resource))
        QSKIP("the picture has not been made yet");
    const auto dialog = makeSecondaryWindow(window, nullptr, m_sound, m_records);
    auto *image = dialog->findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image);
    QVERIFY(!image->pixmap().isNull());
    QVERIFY(image->hasScaledContents()); // stretched to its rectangle
}

void TestRecordWindows::longTextsFit()
{
    // A long name is narrowed to the width of its line, down to a limit.
    m_records.gBestPlayer = QStringLiteral("Bartholomew Longname-Smythe");
    FrmBest window(m_records);
    auto *player = window.findChild<QLabel *>(QStringLiteral("lblBestPlayer"));
    QVERIFY(player);
    QVERIFY(player->font().stretch() < 100);
    QCOMPARE(overrun(player), QString());
}

void TestRecordWindows::hoorayPlaysAtLoadAndEachTick()
{
    FrmHooray window(m_sound);
    QCOMPARE(m_sound.played, QStringList {QStringLiteral("hound.wav")});
    auto *timer = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 4000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    window.Timer1_Timer();
    window.Timer1_Timer();
    QCOMPARE(m_sound.played.size(), 3);
    QVERIFY(m_sound.played.count(QStringLiteral("hound.wav")) == 3);
}

void TestRecordWindows::hoorayClosedEarlyPlaysOnce()
{
    for (int opening = 1; opening <= 2; ++opening) {
        ModalScript script({{QStringLiteral("frmHooray")}});
        showHoorayModal(m_sound);
        QCOMPARE(script.problems, QStringList());
        QCOMPARE(script.seen, QStringList {QStringLiteral("frmHooray")});
        // Each opening is a fresh window that plays at its load.
        QCOMPARE(m_sound.played.size(), opening);
    }
}

void TestRecordWindows::hoorayOpenTenSecondsPlaysThrice()
{
    // Ten seconds open: the load and two ticks of the four-second timer.
    ModalScript script({{QStringLiteral("frmHooray"), [](QWidget *window) {
                             auto *timer = window->findChild<QTimer *>(QStringLiteral("Timer1"));
                             QVERIFY(timer && timer->isActive());
                             QCOMPARE(timer->interval(), 4000);
                             QCOMPARE(timer->timerType(), Qt::PreciseTimer);
                             static_cast<FrmHooray *>(window)->Timer1_Timer();
                             static_cast<FrmHooray *>(window)->Timer1_Timer();
                         }}});
    showHoorayModal(m_sound);
    QCOMPARE(script.problems, QStringList());
    QCOMPARE(m_sound.played.size(), 3); // at 0, 4 and 8 seconds
}

void TestRecordWindows::hoorayMedia_data()
{
    QTest::addColumn<QByteArray>("gif"); // null: no file
    QTest::addColumn<bool>("plays");
    QTest::newRow("animation present") << tinyAnimatedGif() << true;
    QTest::newRow("animation missing") << QByteArray() << false;
    QTest::newRow("animation broken") << QByteArray("GIF89a this is not a picture") << false;
    QTest::newRow("animation empty") << QByteArray("") << false;
}

void TestRecordWindows::hoorayMedia()
{
    QFETCH(QByteArray, gif);
    QFETCH(bool, plays);
    if (!gif.isNull())
        writeFile(QStringLiteral("dancers.gif"), gif);
    else if (findMediaFile(QStringLiteral("dancers.gif")) != QLatin1String("dancers.gif"))
        QSKIP("an installed dancers.gif is found beside the program or in the data directory");

    bool running = false;
    QString movieFile;
    ModalScript script({{QStringLiteral("frmHooray"), [&](QWidget *window) {
                             auto *label
                                 = window->findChild<QLabel *>(QStringLiteral("DXAnimatedGIF1"));
                             QVERIFY(label && label->movie());
                             running = label->movie()->state() == QMovie::Running;
                             movieFile = label->movie()->fileName();
                             QCOMPARE(label->size(), label->minimumSize());
                             QCOMPARE(label->size(), label->maximumSize());
                         }}});
    showHoorayModal(m_sound);
    QCOMPARE(script.problems, QStringList());
    QCOMPARE(script.seen, QStringList {QStringLiteral("frmHooray")});
    QCOMPARE(running, plays);
    if (!gif.isNull())
        QCOMPARE(movieFile, QDir::current().absoluteFilePath(QStringLiteral("dancers.gif")));
}

void TestRecordWindows::hoorayCentredOnOwner()
{
    QWidget owner;
    owner.setGeometry(200, 150, 640, 480);
    owner.show();
    QPoint centre;
    ModalScript script({{QStringLiteral("frmHooray"),
        [&](QWidget *window) { centre = window->geometry().center(); }}});
    showHoorayModal(m_sound, &owner);
    QCOMPARE(script.problems, QStringList());
    const QPoint offset = centre - owner.geometry().center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
        qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
}

void TestRecordWindows::newRecordName_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("typed"); // null: left as it was
    QTest::addColumn<int>("closeKey");  // 0: the frame's close control
    QTest::addColumn<QString>("newHolder");
    QTest::newRow("untouched") << QStringLiteral("Nobody") << QString() << 0
                               << QStringLiteral("Nobody");
    QTest::newRow("typed") << QStringLiteral("Nobody") << QStringLiteral("Ann") << 0
                           << QStringLiteral("Ann");
    QTest::newRow("blanks kept") << QStringLiteral("Ann") << QStringLiteral("  Zoë & <b>Co</b>  ")
                                 << 0 << QStringLiteral("  Zoë & <b>Co</b>  ");
    QTest::newRow("cleared") << QStringLiteral("Ann") << QStringLiteral("") << 0 << QString();
    QTest::newRow("thousand characters")
        << QStringLiteral("Ann") << QString(1000, u'y') << 0 << QString(1000, u'y');
    QTest::newRow("closed with Enter") << QStringLiteral("Ann") << QStringLiteral("Bob")
                                       << int(Qt::Key_Return) << QStringLiteral("Bob");
    QTest::newRow("closed with Escape") << QStringLiteral("Ann") << QStringLiteral("Eve")
                                        << int(Qt::Key_Escape) << QStringLiteral("Eve");
}

void TestRecordWindows::newRecordName()
{
    QFETCH(QString, holder);
    QFETCH(QString, typed);
    QFETCH(int, closeKey);
    QFETCH(QString, newHolder);
    m_records.gBestPlayer = holder;

    QString shown;
    bool focused = false;
    bool closedByKey = false;
    ModalScript script({{QStringLiteral("frmNewRecord"), [&](QWidget *window) {
                             auto *field
                                 = window->findChild<QLineEdit *>(QStringLiteral("txtName"));
                             QVERIFY(field);
                             shown = field->text();
                             focused = window->focusWidget() == field;
                             if (!typed.isNull())
                                 field->setText(typed);
                             if (closeKey != 0) {
                                 QTest::keyClick(field, Qt::Key(closeKey));
                                 closedByKey = !window->isVisible();
                             }
                         }}});
    showNewRecordModal(m_records);
    QCOMPARE(script.problems, QStringList());
    QCOMPARE(shown, holder);
    QVERIFY(focused);
    QCOMPARE(closedByKey, closeKey != 0);
    QCOMPARE(m_records.gBestPlayer, newHolder);
    QCOMPARE(m_records.gBestTime, std::int16_t(999));
}

void TestRecordWindows::bestShowsRecords_data()
{
    QTest::addColumn<int>("bestTime");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("timeText");
    QTest::newRow("fresh installation") << 999 << QStringLiteral("Nobody") << QStringLiteral("999");
    QTest::newRow("after a record") << 7 << QStringLiteral("Ann") << QStringLiteral("7");
    QTest::newRow("empty name") << 12 << QString() << QStringLiteral("12");
    QTest::newRow("markup shown as typed")
        << 30 << QStringLiteral("<b>Bo</b> & Co") << QStringLiteral("30");
}

void TestRecordWindows::bestShowsRecords()
{
    QFETCH(int, bestTime);
    QFETCH(QString, holder);
    QFETCH(QString, timeText);
    m_records = Records {std::int16_t(bestTime), holder, 4};

    QString shownHolder;
    QString shownTime;
    bool plain = false;
    ModalScript script(
        {{QStringLiteral("frmBest"), [&](QWidget *window) {
              auto *player = window->findChild<QLabel *>(QStringLiteral("lblBestPlayer"));
              auto *time = window->findChild<QLabel *>(QStringLiteral("lblBestTime"));
              QVERIFY(player && time);
              shownHolder = player->text();
              shownTime = time->text();
              plain = player->textFormat() == Qt::PlainText;
          }}});
    showBestModal(m_records);
    QCOMPARE(script.problems, QStringList());
    QCOMPARE(shownHolder, holder);
    QCOMPARE(shownTime, timeText);
    QVERIFY(plain);
}

QTEST_MAIN(TestRecordWindows)
#include "tst_recordwindows.moc"
