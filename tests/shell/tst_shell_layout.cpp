#include "support/AllWindows.h"
#include "support/ControlText.h"
#include "support/CountingSound.h"
#include "support/TextFits.h"
#include "WindowCleanup.h"

#include <QAbstractButton>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace fw;

namespace {

// How a label that sizes itself to its text is anchored.
enum class Fit { None, KeepLeft, KeepRight };

const QColor kDefault; // the window's own text colour
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kDarkGrey(64, 64, 64);

// Pixel sizes of the game's point sizes (96 dpi: 4 px to 3 pt).
constexpr int kPx8 = 11;
constexpr int kPx12 = 16;
constexpr int kPx13_8 = 18;
constexpr int kPx18 = 24;
constexpr int kPx24 = 32;

// Builds one of the windows and shows it; the splash's timer is stopped so
// that it cannot close the splash during the test.
QWidget *build(const QString &window)
{
    static CountingSound sound;
    static Records records;
    QWidget *w = newSecondaryWindow(window, nullptr, sound, records);
    if (window == "frmSplash")
        w->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    w->show();
    return w;
}

QWidget *control(QWidget *window, const QString &name)
{
    auto *w = window->findChild<QWidget *>(name);
    if (!w)
        qWarning("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return w;
}

QRect rectInWindow(const QWidget *w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

} // namespace

Q_DECLARE_METATYPE(Fit)

class TestShellLayout : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void windowFrames_data();
    void windowFrames();
    void controls_data();
    void controls();
    void frontToBack_data();
    void frontToBack();
    void centredOnScreen_data();
    void centredOnScreen();
    void etchedSeparator_data();
    void etchedSeparator();
    void iconBoxFitsItsPicture();
    void stretchedPictures_data();
    void stretchedPictures();
};

void TestShellLayout::cleanup()
{
    shelltest::destroyAllWindows();
}

void TestShellLayout::windowFrames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<bool>("minMaxButtons");
    QTest::addColumn<Qt::WindowType>("type");

    QTest::newRow("splash") << "frmSplash"
                            << "" << QSize(497, 318) << true << false << Qt::SplashScreen;
    QTest::newRow("tutorial") << "frmNewUser"
                              << "Thanks for Trying Figurewheel!" << QSize(502, 369) << false
                              << true << Qt::Window;
    QTest::newRow("about") << "frmAbout"
                           << "About Figurewheel" << QSize(391, 246) << true << false << Qt::Dialog;
    QTest::newRow("help") << "frmHelp"
                          << "How do I play Figurewheel?" << QSize(649, 466) << false << true
                          << Qt::Window;
}

void TestShellLayout::windowFrames()
{
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QSize, clientSize);
    QFETCH(bool, fixed);
    QFETCH(bool, minMaxButtons);
    QFETCH(Qt::WindowType, type);

    QWidget *w = build(window);
    QCOMPARE(w->objectName(), window);
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(w->size(), clientSize);
    QCOMPARE(w->minimumSize() == w->maximumSize(), fixed);
    QCOMPARE(w->windowType(), type);
    const Qt::WindowFlags flags = w->windowFlags();
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minMaxButtons);
    QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), minMaxButtons);
    QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(w->isWindow());
    QCOMPARE(w->font().pixelSize(), kPx8);
    if (window == "frmSplash")
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
}

void TestShellLayout::controls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // in the window's client area, as laid out
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<Fit>("fit");

    const auto row
        = [](const char *window, const char *name, QRect rect, const QString &text, int pixelSize,
              bool bold, bool italic, const QColor &color, Fit fit = Fit::None) {
              QTest::addRow("%s %s", window, name)
                  << QString::fromLatin1(window) << QString::fromLatin1(name) << rect << text
                  << pixelSize << bold << italic << color << fit;
          };
    const QString none;

    row("frmSplash", "fraMainFrame", {3, -1, 492, 306}, none, kPx8, false, false, kDefault);
    row("frmSplash", "Image2", {16, 88, 184, 145}, none, kPx8, false, false, kDefault);
    row("frmSplash", "Quillmere", {144, 32, 226, 37}, "Figurewheel!", kPx24, true, true, kDefault,
        Fit::KeepLeft);
    row("frmSplash", "lblPlatform", {224, 112, 200, 24}, "from Fig Wheeler", kPx13_8, true, false,
        kDefault, Fit::KeepRight);
    row("frmSplash", "lblVersion", {224, 152, 99, 20}, "Version 1.0.0", kPx12, true, false,
        kDefault, Fit::KeepRight);
    row("frmSplash", "lblCopyright", {224, 192, 185, 17}, "Copyright 2001 Figurewheel Games", kPx8,
        false, false, kDefault);

    row("frmNewUser", "fraMainFrame", {0, 0, 492, 361}, none, kPx8, false, false, kDefault);
    row("frmNewUser", "Command1", {40, 272, 369, 25}, "Click here to solve your own puzzle!",
        kPx13_8, true, true, kDefault);
    row("frmNewUser", "Quillmere", {112, 16, 278, 37}, "Solve the Puzzle!", kPx24, true, true,
        kDefault, Fit::KeepLeft);
    row("frmNewUser", "lblVersion", {16, 328, 99, 20}, "Version 1.0.0", kPx12, true, false,
        kDefault, Fit::KeepRight);
    row("frmNewUser", "lblCopyright", {296, 336, 185, 17}, "Copyright 2001 Figurewheel Games", kPx8,
        false, false, kDefault);
    row("frmNewUser", "Label1", {24, 64, 321, 17},
        "Can you add, subtract, multiply and divide these numbers:", kPx8, false, false, kDefault);
    row("frmNewUser", "Label2", {168, 104, 25, 25}, "5", kPx13_8, true, false, kRed);
    row("frmNewUser", "Label3", {256, 104, 33, 25}, "2", kPx13_8, true, false, kRed);
    row("frmNewUser", "Label4", {208, 104, 33, 25}, "1", kPx13_8, true, false, kRed);
    row("frmNewUser", "Label5", {24, 136, 281, 17}, "To get this answer:", kPx8, false, false,
        kDefault);
    row("frmNewUser", "Label6", {200, 160, 41, 25}, "11", kPx13_8, true, false, kBlue);
    row("frmNewUser", "Label7", {24, 208, 185, 17}, "Here's the solution:", kPx8, false, false,
        kDefault);
    row("frmNewUser", "Label12", {144, 224, 209, 25}, "5  x  2  +  1  =  11", kPx13_8, true, false,
        kRed);
    row("frmNewUser", "Label13", {40, 272, 449, 33}, "Now solve your own puzzle!", kPx13_8, true,
        true, kDarkGrey);

    row("frmAbout", "cmdOK", {283, 200, 98, 23}, "OK", kPx8, false, false, kDefault);
    row("frmAbout", "Label1", {16, 208, 161, 17}, "comments@figurewheel.example", kPx8, false,
        false, kDefault);
    row("frmAbout", "lblDescription", {70, 75, 273, 78}, "Beta version for testing only!", kPx8,
        false, false, kBlack);
    row("frmAbout", "lblTitle", {70, 16, 273, 32}, "Figurewheel", kPx18, true, false, kBlack);
    row("frmAbout", "lblVersion", {70, 52, 273, 15}, "Version 1.0.0", kPx8, false, false, kDefault);
    row("frmAbout", "lblDisclaimer", {16, 184, 258, 23},
        "Fig Wheeler would love to hear what you think!", kPx8, false, false, kBlack);

    row("frmHelp", "Image1", {8, 8, 641, 449}, none, kPx8, false, false, kDefault);
}

void TestShellLayout::controls()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QColor, color);
    QFETCH(Fit, fit);

    QWidget *w = build(window);
    QWidget *c = control(w, name);
    QVERIFY(c);
    QVERIFY(c->isVisible());

    const QRect actual = rectInWindow(c);
    switch (fit) {
    case Fit::None: QCOMPARE(actual, rect); break;
    case Fit::KeepLeft:
        QCOMPARE(actual.topLeft(), rect.topLeft());
        QCOMPARE(actual.size(), c->sizeHint());
        break;
    case Fit::KeepRight:
        QCOMPARE(actual.topRight(), rect.topRight());
        QCOMPARE(actual.size(), c->sizeHint());
        break;
    }

    QCOMPARE(textOf(c), text);
    QCOMPARE(c->font().pixelSize(), pixelSize);
    QCOMPARE(c->font().bold(), bold);
    QCOMPARE(c->font().italic(), italic);
    const QColor expected
        = color.isValid() ? color : QApplication::palette().color(QPalette::WindowText);
    QCOMPARE(c->palette().color(QPalette::WindowText), expected);

    // Text must be readable in full, not cut off at the label's edge
    // (the closing line behind the tutorial's button is meant to be covered),
    // and a line's label is tall enough for its face.
    QCOMPARE(overrun(c), QString());
    if (auto *label = qobject_cast<QLabel *>(c); label && !text.isEmpty() && !label->wordWrap())
        QVERIFY(label->fontMetrics().height() <= label->height() + 2);
}

void TestShellLayout::frontToBack_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("splash") << "frmSplash"
                            << QStringList {"Image2", "Quillmere", "lblPlatform", "lblVersion",
                                   "lblCopyright"};
    QTest::newRow("tutorial") << "frmNewUser"
                              << QStringList {"Command1", "Quillmere", "lblVersion", "lblCopyright",
                                     "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
                                     "Label7", "Label12", "Label13"};
    QTest::newRow("about") << "frmAbout"
                           << QStringList {"picIcon", "cmdOK", "Label1", "lblDescription",
                                  "lblTitle", "Line1(1)", "Line1(0)", "lblVersion",
                                  "lblDisclaimer"};
}

// Qt keeps siblings in stacking order, backmost first.
void TestShellLayout::frontToBack()
{
    QFETCH(QString, window);
    QFETCH(QStringList, names);

    QWidget *w = build(window);
    QWidget *parent = control(w, names.first())->parentWidget();
    qsizetype previous = parent->children().size();
    for (const QString &name : names) {
        QWidget *c = control(w, name);
        QVERIFY(c);
        QCOMPARE(c->parentWidget(), parent);
        const qsizetype index = parent->children().indexOf(c);
        QVERIFY2(index < previous, qPrintable(name + " lies behind the controls listed before it"));
        previous = index;
    }
}

void TestShellLayout::centredOnScreen_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("splash") << "frmSplash";
    QTest::newRow("tutorial") << "frmNewUser";
}

void TestShellLayout::centredOnScreen()
{
    QFETCH(QString, window);
    QWidget *w = build(window);
    const QPoint offCentre = w->geometry().center() - w->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2,
        qPrintable(QStringLiteral("%1,%2 off the middle").arg(offCentre.x()).arg(offCentre.y())));
}

void TestShellLayout::etchedSeparator_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QColor>("color");
    QTest::newRow("grey line") << "Line1(1)" << QRect(15, 162, 362, 1) << QColor(128, 128, 128);
    QTest::newRow("white line") << "Line1(0)" << QRect(16, 163, 361, 2) << QColor(255, 255, 255);
}

void TestShellLayout::etchedSeparator()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QColor, color);

    QWidget *about = build(QStringLiteral("frmAbout"));
    QWidget *line = control(about, name);
    QVERIFY(line);
    QCOMPARE(rectInWindow(line), rect);
    QVERIFY(line->autoFillBackground());
    QCOMPARE(line->palette().color(line->backgroundRole()), color);

    const QImage drawn = about->grab().toImage();
    QCOMPARE(drawn.pixelColor(rect.center()), color);
}

void TestShellLayout::iconBoxFitsItsPicture()
{
    QWidget *about = build(QStringLiteral("frmAbout"));
    auto *box = qobject_cast<QLabel *>(control(about, QStringLiteral("picIcon")));
    QVERIFY(box);
    QCOMPARE(box->palette().color(box->backgroundRole()), QColor(192, 192, 192));
    QVERIFY(box->autoFillBackground());
    QCOMPARE(box->pos(), QPoint(16, 16));
    const QPixmap icon(QStringLiteral(":/pictures/about.ico"));
    QCOMPARE(box->size(), icon.isNull() ? QSize(29, 29) : icon.deviceIndependentSize().toSize());
}

void TestShellLayout::stretchedPictures_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("resource");
    QTest::newRow("splash") << "frmSplash"
                            << "Image2"
                            << ":/pictures/splash.bmp";
    QTest::newRow("help") << "frmHelp"
                          << "Image1"
                          << ":/pictures/help.bmp";
}

void TestShellLayout::stretchedPictures()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, resource);

    QWidget *w = build(window);
    auto *picture = qobject_cast<QLabel *>(control(w, name));
    QVERIFY(picture);
    QVERIFY(picture->hasScaledContents());
    QCOMPARE(picture->pixmap().isNull(), !QFile::exists(resource));
}

QTEST_MAIN(TestShellLayout)
#include "tst_shell_layout.moc"
