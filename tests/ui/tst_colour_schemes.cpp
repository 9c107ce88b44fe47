// Every window under dark and high-contrast desktop schemes, read off its
// pixels: each text against what is drawn behind it, compared with the same
// text under the light palette the windows were drawn against.
//
// A platform theme hands its palette to the application, where every widget
// takes it from; so each scheme is set as the application's palette before
// the window is built. Under a real platform theme (QT_QPA_PLATFORMTHEME
// set) the windows are read in the palette that theme gave instead.
//
// A text's pixels are found by taking the text away for a moment: what
// changes is the text, and the picture without it is what lies behind.
#include "mainwindow/MainControls.h"
#include "support/AllWindows.h"
#include "support/MainGame.h"
#include "ui/Colors.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolTip>
#include <QtTest>

#include <cmath>
#include <map>
#include <memory>

using namespace fw;

namespace {

// WCAG 2's contrast of two colours, from 1 to 21.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int v) {
            return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb))
            + 0.0722 * linear(qBlue(rgb));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette scheme(
    QColor text, QColor face, QColor box, QColor highlight, QColor tipText, QColor tipBase)
{
    QPalette palette(text, face, face.lighter(150), face.darker(150), face.darker(130), text,
        tipText, box, face);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, box);
    palette.setColor(QPalette::ToolTipText, tipText);
    palette.setColor(QPalette::ToolTipBase, tipBase);
    return palette;
}

const std::map<QString, QPalette> kSchemes {
    // Qt's own dark palette, the one Qt's GTK theme gives under a dark GTK theme.
    {"dark",
        scheme(QColor(240, 240, 240), QColor(50, 50, 50), QColor(36, 36, 36), QColor(48, 140, 198),
            Qt::black, QColor(255, 255, 220))},
    {"high contrast", scheme(Qt::white, Qt::black, Qt::black, Qt::yellow, Qt::yellow, Qt::black)},
    {"high contrast light",
        scheme(Qt::black, Qt::white, Qt::white, Qt::blue, Qt::black, Qt::white)},
};

// The texts whose colours the design fixes, by window; the main window's are its table's.
const std::map<QString, QStringList> kDesignedTexts {
    {"frmNewUser", {"Label2", "Label3", "Label4", "Label6", "Label12", "Label13"}},
    {"frmAbout", {"lblDescription", "lblTitle", "lblDisclaimer"}},
    {"frmNewRecord", {"Label1", "Label2"}},
    {"frmBest", {"Label1", "lblBestTime", "lblBestPlayer"}},
};

// A widget's texts (a menu bar's entries'), replaced by `texts` if given.
QStringList texts(QWidget *widget, const QStringList *replace = nullptr)
{
    const auto swap = [&](auto get, auto set) {
        const QString old = get();
        if (replace)
            set(replace->value(0));
        return QStringList {old};
    };
    if (auto *w = qobject_cast<QLabel *>(widget))
        return swap([w] { return w->text(); }, [w](const QString &t) { w->setText(t); });
    if (auto *w = qobject_cast<QAbstractButton *>(widget))
        return swap([w] { return w->text(); }, [w](const QString &t) { w->setText(t); });
    if (auto *w = qobject_cast<QLineEdit *>(widget))
        return swap([w] { return w->text(); }, [w](const QString &t) { w->setText(t); });
    if (auto *w = qobject_cast<QGroupBox *>(widget))
        return swap([w] { return w->title(); }, [w](const QString &t) { w->setTitle(t); });
    QStringList old;
    if (auto *bar = qobject_cast<QMenuBar *>(widget))
        for (qsizetype n = 0; n < bar->actions().size(); ++n) {
            old << bar->actions()[n]->text();
            if (replace)
                bar->actions()[n]->setText(replace->value(n));
        }
    return old;
}

// One text as drawn: its pixels, what lies behind each, and the strongest
// contrast between the two.
struct Reading {
    QImage ink, behind; // see-through where the text is not
    double contrast = 1;
    int pixels = 0;
};

Reading read(QWidget *window, QWidget *widget)
{
    const QRect place(widget->mapTo(window, QPoint()), widget->size());
    const auto grab
        = [&] { return window->grab(place).toImage().convertToFormat(QImage::Format_ARGB32); };
    const QImage shown = grab();
    const QStringList none;
    const QStringList old = texts(widget, &none);
    const QImage bare = grab();
    texts(widget, &old);
    const QImage clear(shown.size(), QImage::Format_ARGB32);
    Reading r {clear, clear};
    r.ink.fill(Qt::transparent);
    r.behind.fill(Qt::transparent);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != bare.pixel(x, y)) {
                r.ink.setPixel(x, y, shown.pixel(x, y));
                r.behind.setPixel(x, y, bare.pixel(x, y));
                r.contrast = std::max(r.contrast, contrast(shown.pixel(x, y), bare.pixel(x, y)));
                ++r.pixels;
            }
    return r;
}

// Every visible text of a window, by its widget's name (or its parent's and its kind).
using Readings = std::map<QString, Reading>;
void readTexts(QWidget *window, Readings &readings)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible() || texts(widget).join(QString()).trimmed().isEmpty())
            continue;
        QString key = widget->objectName();
        if (key.isEmpty())
            key = widget->parentWidget()->objectName() + '/' + widget->metaObject()->className();
        readings[key] = read(window, widget);
    }
}

} // namespace

class TestColourSchemes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void designedPaletteIsQtsOwn();
    void everyTextReads_data();
    void everyTextReads();

private:
    Readings readWindow(const QString &name, const QPalette &palette);

    bool m_desktopTheme = false;
    QPalette m_desktop;
    std::map<QString, Readings> m_light;
};

void TestColourSchemes::initTestCase()
{
    m_desktopTheme = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME");
    m_desktop = QApplication::palette();
    // Only a theme that turned the desktop dark has something to prove.
    if (m_desktopTheme)
        QVERIFY2(m_desktop.color(QPalette::Window).lightness() < 128,
            "the platform theme gave no dark palette");
}

// So that under a light desktop without a theme everything looks as it always has.
void TestColourSchemes::designedPaletteIsQtsOwn()
{
    if (m_desktopTheme)
        QSKIP("the desktop's theme has a palette of its own");
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            if (r != QPalette::NoRole)
                QVERIFY2(ui::designedPalette().color(g, r).rgba() == m_desktop.color(g, r).rgba(),
                    qPrintable(QString("group %1, role %2").arg(group).arg(role)));
        }
}

Readings TestColourSchemes::readWindow(const QString &name, const QPalette &palette)
{
    QApplication::setPalette(palette);
    // The hint rolls its cells from the faces after the first puzzle's.
    std::vector<int> faces = kFirstPuzzle;
    faces.insert(faces.end(), {1, 6, 6});
    MainGame game(faces, name == "frmMain" ? MainGame::Loaded : MainGame::Built);
    game.records = {.gBestTime = 42, .gBestPlayer = QStringLiteral("Somebody Quick")};
    const std::unique_ptr<QWidget> secondary
        = makeSecondaryWindow(name, nullptr, game.sound, game.records);
    QWidget *window = secondary ? secondary.get() : &game.window;
    window->show();
    Readings readings;
    if (!QTest::qWaitForWindowExposed(window))
        return readings;
    if (name == "frmMain") {
        // A hint and the answer bring out the hint line and the solution row.
        for (const char *button : {"cmdHint", "cmdAnswers"})
            QTest::mouseClick(window->findChild<QWidget *>(button), Qt::LeftButton);
        // The count buttons' tooltip, asked for as the pointer resting there would.
        QWidget *six = window->findChild<QWidget *>("cmdNums(6)");
        QHelpEvent ask(QEvent::ToolTip, QPoint(4, 4), six->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(six, &ask);
        for (QWidget *tip : QApplication::topLevelWidgets())
            if (tip->inherits("QTipLabel") && tip->isVisible())
                readings["tooltip"] = read(tip, tip);
        QToolTip::hideText();
    }
    readTexts(window, readings);
    window->close();
    return readings;
}

void TestColourSchemes::everyTextReads_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("window");
    QStringList names {"desktop"};
    if (!m_desktopTheme)
        names = {"dark", "high contrast", "high contrast light"};
    for (const QString &scheme : names)
        for (const QString &window : kAllWindows)
            QTest::addRow("%s, %s", qPrintable(scheme), qPrintable(window)) << scheme << window;
}

// Each text reads at least as well as under the light palette, or at 4.5:1
// where that one reads less; a text the design colours is drawn exactly as
// under the light palette, background and all.
void TestColourSchemes::everyTextReads()
{
    QFETCH(QString, scheme);
    QFETCH(QString, window);
    if (!m_light.contains(window))
        m_light[window] = readWindow(window, ui::designedPalette());
    const Readings now = readWindow(window, scheme == "desktop" ? m_desktop : kSchemes.at(scheme));
    QApplication::setPalette(m_desktop);

    QStringList designed
        = kDesignedTexts.contains(window) ? kDesignedTexts.at(window) : QStringList();
    if (window == "frmMain")
        for (const MainControl &row : mainControls())
            if (row.look.background.isValid() || row.look.color.isValid())
                designed << QString::fromStdString(controlName(row.id));
    for (const auto &[key, light] : m_light[window]) {
        if (light.pixels == 0)
            continue; // covered by the controls in front of it
        QVERIFY2(now.contains(key), qPrintable(key + " is not shown"));
        const Reading &text = now.at(key);
        qInfo("%s: %.2f:1, light %.2f:1", qPrintable(key), text.contrast, light.contrast);
        QVERIFY2(text.contrast >= std::min(light.contrast, 4.5) - 0.005,
            qPrintable(key + " does not read"));
        const bool asDesigned = text.ink == light.ink && text.behind == light.behind;
        QVERIFY2(!designed.contains(key) || asDesigned,
            qPrintable(key + " is not in its designed colours"));
    }
}

QTEST_MAIN(TestColourSchemes)
#include "tst_colour_schemes.moc"
