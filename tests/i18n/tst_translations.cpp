// The game in every language it ships: every window built with the
// language's translation installed shows no English text left over, every
// label and button still holds its text within its rectangle in glyphs its
// fonts have, and the help picture is drawn in the language. Without a
// translation (every other test) the game is English, as written.
#include "shell/HelpCallouts.h"
#include "shell/HelpPicture.h"
#include "support/AllWindows.h"
#include "support/ChildProcess.h"
#include "support/MainGame.h"
#include "support/SolveByDrops.h"
#include "support/TestFiles.h"
#include "support/TextFits.h"
#include "ui/ControlTable.h"
#include "ui/Pictures.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QtTest>

#include <memory>

using namespace fw;

namespace {

// The languages the build ships, besides English.
const QStringList kLanguages = QStringLiteral(FW_LANGUAGES).split(QLatin1Char(','));

// One row for each language and each of the given cases.
template <typename Row> void eachLanguage(const QStringList &cases, Row row)
{
    for (const QString &language : kLanguages)
        for (const QString &name : cases)
            row(QTest::newRow(qPrintable(language + QLatin1Char(' ') + name)), language, name);
}

// The main window loaded, as each language shows it before it is on view.
struct Game : MainGame {
    Game()
        : MainGame(kFirstPuzzle, Loaded)
    {
    }
};

// Every text a window shows or speaks, keyed by where it is: the window's
// title, its menu entries, and each widget's text, tooltip and spoken name
// and description. Widgets are keyed by their place among the window's
// children, which is the same however often the window is built.
QMap<QString, QString> textsOf(QWidget *window)
{
    QMap<QString, QString> texts;
    texts[QStringLiteral("title")] = window->windowTitle();
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        const auto actions = main->menuBar()->actions();
        for (const QAction *action : actions)
            texts[QStringLiteral("menu ") + action->objectName()] = action->text();
    }
    const auto widgets = window->findChildren<QWidget *>();
    for (qsizetype n = 0; n < widgets.size(); ++n) {
        const QWidget *widget = widgets[n];
        const QString key = QStringLiteral("%1 %2 %3")
                                .arg(n)
                                .arg(widget->metaObject()->className(), widget->objectName());
        if (auto *label = qobject_cast<const QLabel *>(widget))
            texts[key + QStringLiteral(" text")] = label->text();
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts[key + QStringLiteral(" text")] = button->text();
        else if (auto *frame = qobject_cast<const QGroupBox *>(widget))
            texts[key + QStringLiteral(" title")] = frame->title();
        texts[key + QStringLiteral(" tooltip")] = widget->toolTip();
        texts[key + QStringLiteral(" spoken")] = widget->accessibleName();
        texts[key + QStringLiteral(" description")] = widget->accessibleDescription();
    }
    return texts;
}

// Whether a text reads the same in every language: numbers and operators,
// the names of the game and its makers, the address, "OK" and the version.
bool sameInEveryLanguage(QString text)
{
    static const QRegularExpression address(QStringLiteral("\\S+@\\S+"));
    static const QRegularExpression times(QStringLiteral("\\b[xX]\\b"));
    text.remove(address);
    text.remove(times);
    for (const char *name : {"Figurewheel Games", "Figurewheel", "Fig Wheeler"})
        text.remove(QLatin1String(name));
    text = text.trimmed();
    static const QRegularExpression version(QStringLiteral("^Version [0-9.]+$"));
    if (text == QLatin1String("OK") || version.match(text).hasMatch())
        return true;
    return !text.contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

// The callouts as the shipped English picture has them.
const char *const englishCallouts[] = {"How many numbers do you want?",
    "Drag numbers and operators here until your guess matches the target box!",
    "Click here to see the answer", "Click here for a hint"};

std::unique_ptr<QWidget> makeWindow(const QString &name, Game &game)
{
    return makeSecondaryWindow(name, &game.window, game.sound, game.records);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void translationsTravelWithTheProgram();
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();
    void languageFollowsTheEnvironment_data();
    void languageFollowsTheEnvironment();
    void installsTheEnvironmentsLanguage();
    void everyWindowTranslated_data();
    void everyWindowTranslated();
    void closingMessagesTranslated_data();
    void closingMessagesTranslated();
    void helpPictureInTheLanguage_data();
    void helpPictureInTheLanguage();
    void helpPictureRedrawnInEnglish();
    void spokenNamesKeepTheirNumbers();
    void qtsOwnTextsTranslated();
};

void TestTranslations::cleanup()
{
    ui::removeTranslations();
}

void TestTranslations::translationsTravelWithTheProgram()
{
    QStringList shipped;
    for (const QString &language : kLanguages)
        shipped << QStringLiteral("figurewheel_%1.qm").arg(language);
    shipped.sort();
    QCOMPARE(QDir(QStringLiteral(":/i18n")).entryList(), shipped);
}

void TestTranslations::languageFollowsTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QLocale(QStringLiteral("de_DE")) << "de";
    QTest::newRow("Swiss German") << QLocale(QStringLiteral("de_CH")) << "de";
    QTest::newRow("French") << QLocale(QStringLiteral("fr_FR")) << "fr";
    QTest::newRow("Canadian French") << QLocale(QStringLiteral("fr_CA")) << "fr";
    QTest::newRow("English") << QLocale(QStringLiteral("en_US")) << "";
    QTest::newRow("British English") << QLocale(QStringLiteral("en_GB")) << "";
    QTest::newRow("C") << QLocale::c() << "";
    QTest::newRow("Greek, not shipped") << QLocale(QStringLiteral("el_GR")) << "";
    QTest::newRow("Portuguese of Portugal") << QLocale(QStringLiteral("pt_PT")) << "pt_BR";
    QTest::newRow("Brazilian Portuguese") << QLocale(QStringLiteral("pt_BR")) << "pt_BR";
    QTest::newRow("Mexican Spanish") << QLocale(QStringLiteral("es_MX")) << "es";
    QTest::newRow("Belgian Dutch") << QLocale(QStringLiteral("nl_BE")) << "nl";
    QTest::newRow("Simplified Chinese") << QLocale(QStringLiteral("zh_CN")) << "zh_CN";
    QTest::newRow("Singapore Chinese") << QLocale(QStringLiteral("zh_SG")) << "zh_CN";
    QTest::newRow("Traditional Chinese") << QLocale(QStringLiteral("zh_TW")) << "";
    QTest::newRow("Hong Kong Chinese") << QLocale(QStringLiteral("zh_HK")) << "";
    QTest::newRow("Japanese") << QLocale(QStringLiteral("ja_JP")) << "ja";
    for (const QString &language : kLanguages)
        QTest::newRow(qPrintable(language)) << QLocale(language) << language;
}

// The environment's language as the game reads it at start, in a child
// process, since Qt reads the system locale once: each row runs this test
// binary again with its variables, and the child's run of
// installsTheEnvironmentsLanguage compares.
void TestTranslations::languageFollowsTheEnvironment_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QString>("language");
    const QString tooLong(300, QLatin1Char('d'));
    QTest::newRow("LANG") << QStringList {"LANG=ja_JP.UTF-8"} << "ja";
    QTest::newRow("LANGUAGE first") << QStringList {"LANG=de_DE.UTF-8", "LANGUAGE=ru:de"} << "ru";
    QTest::newRow("LANGUAGE, another region first")
        << QStringList {"LANG=sv_SE.UTF-8", "LANGUAGE=pt_PT:pl"} << "pt_BR";
    QTest::newRow("LC_ALL") << QStringList {"LANG=fr_FR.UTF-8", "LC_ALL=tr_TR.UTF-8"} << "tr";
    QTest::newRow("Portugal") << QStringList {"LANG=pt_PT.UTF-8"} << "pt_BR";
    QTest::newRow("C") << QStringList {"LANG=C", "LANGUAGE=de"} << "";
    QTest::newRow("nothing") << QStringList {} << "";
    QTest::newRow("unknown") << QStringList {"LANG=xx"} << "";
    QTest::newRow("unknown LANGUAGE") << QStringList {"LANGUAGE=xx"} << "";
    QTest::newRow("colons") << QStringList {"LANG=:::", "LANGUAGE=:::"} << "";
    QTest::newRow("empty parts") << QStringList {"LANG=de_DE.@"} << "";
    QTest::newRow("300 characters") << QStringList {"LANG=" + tooLong, "LC_ALL=" + tooLong} << "";
}

void TestTranslations::languageFollowsTheEnvironment()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, language);
    // The locale's variables the test runs with are not the child's.
    QStringList environment {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"};
    environment << variables << QStringLiteral("FIGUREWHEEL_EXPECTED_LANGUAGE=") + language;
    fwtest::ChildProcess child(QCoreApplication::applicationFilePath(),
        {QStringLiteral("installsTheEnvironmentsLanguage")}, fwtest::testDir(), {}, environment);
    QVERIFY(child.finish(60000));
    const QString output = child.lines().join(u'\n');
    QVERIFY2(child.endedWell(), qPrintable(child.transcript()));
    QVERIFY2(output.contains(
                 QLatin1String("PASS   : TestTranslations::installsTheEnvironmentsLanguage")),
        qPrintable(output));
    // Nothing said about the locale on the way: no error for any of them.
    QVERIFY2(!output.contains(QLatin1String("QWARN")), qPrintable(output));
}

void TestTranslations::installsTheEnvironmentsLanguage()
{
    if (!qEnvironmentVariableIsSet("FIGUREWHEEL_EXPECTED_LANGUAGE"))
        QSKIP("run by languageFollowsTheEnvironment in a child process");
    QCOMPARE(ui::installTranslations(ui::playerLocale()),
        qEnvironmentVariable("FIGUREWHEEL_EXPECTED_LANGUAGE"));
}

void TestTranslations::languageFollowsTheLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, language);
    QCOMPARE(ui::installTranslations(locale), language);
    QCOMPARE(ui::Texts::tr("Hint") == QLatin1String("Hint"), language.isEmpty());
    ui::removeTranslations();
    QCOMPARE(ui::Texts::tr("Hint"), QStringLiteral("Hint"));
}

void TestTranslations::everyWindowTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    eachLanguage(kAllWindows, [](QTestData &row, const QString &language, const QString &window) {
        row << language << window;
    });
}

void TestTranslations::everyWindowTranslated()
{
    QFETCH(QString, language);
    QFETCH(QString, window);

    Game englishGame;
    std::unique_ptr<QWidget> englishWindow = makeWindow(window, englishGame);
    QWidget *englishShown = englishWindow ? englishWindow.get() : &englishGame.window;
    englishShown->show();
    const QMap<QString, QString> english = textsOf(englishShown);
    QCOMPARE(overrunning(englishShown), QStringList());

    QCOMPARE(ui::installTranslations(QLocale(language)), language);
    Game game;
    std::unique_ptr<QWidget> owned = makeWindow(window, game);
    QWidget *shown = owned ? owned.get() : &game.window;
    shown->show();
    const QMap<QString, QString> texts = textsOf(shown);

    QCOMPARE(texts.keys(), english.keys());
    QStringList leftInEnglish;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (it.key().contains(QLatin1String("lblBestPlayer"))) // the holder's name, as typed
            continue;
        if (!sameInEveryLanguage(it.value()) && texts.value(it.key()) == it.value())
            leftInEnglish << QStringLiteral("%1: \"%2\"").arg(it.key(), it.value());
    }
    QVERIFY2(leftInEnglish.isEmpty(), qPrintable(leftInEnglish.join(QStringLiteral("; "))));

    const QStringList overruns = overrunning(shown) + withoutGlyphs(shown);
    QVERIFY2(overruns.isEmpty(), qPrintable(overruns.join(QStringLiteral("; "))));
}

void TestTranslations::closingMessagesTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("peeked");
    QTest::addColumn<QString>("english");
    eachLanguage({QStringLiteral("solved"), QStringLiteral("after peeking")},
        [](QTestData &row, const QString &language, const QString &how) {
            const bool peeked = how != QLatin1String("solved");
            row << language << peeked << (peeked ? "You're done!" : "!!!Way to go!!!");
        });
}

void TestTranslations::closingMessagesTranslated()
{
    QFETCH(QString, language);
    QFETCH(bool, peeked);
    QFETCH(QString, english);
    QCOMPARE(ui::installTranslations(QLocale(language)), language);
    Game game;
    game.window.show();
    game.die.push({3, 3, 3});
    game.window.cmdHint_Click(); // the hint count appears
    if (peeked) {
        game.window.cmdAnswers_Click();
        game.window.cmdAnswers_Click();
    }
    QCOMPARE(fwtest::solveByDrops(game.window).refused, 0);
    auto *done = qobject_cast<QLabel *>(game.window.control({Control::lblDone}));
    QVERIFY(done);
    QVERIFY(game.window.puzzle().Done);
    QCOMPARE(done->text(), ui::Texts::tr(english.toUtf8().constData()));
    QVERIFY(done->text() != english);
    for (Control shownLabel : {Control::lblHint1, Control::lblHint2, Control::lblHint3})
        QVERIFY(game.window.control({shownLabel})->isVisible());
    QCOMPARE(game.window.control({Control::lblPeeked})->isVisible(), peeked);
    QVERIFY2(overrunning(&game.window).isEmpty(), qPrintable(overrunning(&game.window).join("; ")));
}

void TestTranslations::helpPictureInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    eachLanguage({QStringLiteral("help picture")},
        [](QTestData &row, const QString &language, const QString &) { row << language; });
}

// The help picture drawn in the language: every caption of the pictured
// window fits its place in glyphs its face has, and every callout's words fit
// their bubble, the bubbles clear of each other and on the picture.
void TestTranslations::helpPictureInTheLanguage()
{
    QFETCH(QString, language);
    QCOMPARE(ui::installTranslations(QLocale(language)), language);
    const QImage picture = translatedHelpPicture();
    QCOMPARE(picture.size(), QSize(help::kHelpWidth, help::kHelpHeight));
    QStringList problems;
    const auto captions = picturedCaptions();
    for (const PicturedCaption &caption : captions) {
        const int needed = QFontMetrics(caption.font).horizontalAdvance(caption.text);
        const int room = caption.box.width() - (caption.align & Qt::AlignHCenter ? 6 : 0);
        if (needed > room || caption.box.right() >= helpScreenshot().width())
            problems << QStringLiteral("\"%1\" %2 > %3").arg(caption.text).arg(needed).arg(room);
        if (!drawsEveryGlyph(caption.text, caption.font))
            problems << QStringLiteral("no glyphs for \"%1\"").arg(caption.text);
    }
    const help::CalloutTexts texts {ui::Texts::tr("How many numbers do you want?"),
        ui::Texts::tr("Drag numbers and operators here until your guess matches the target box!"),
        ui::Texts::tr("Click here to see the answer"), ui::Texts::tr("Click here for a hint")};
    const QString said[] = {texts.countButtons, texts.playerRow, texts.answer, texts.hint};
    const auto bubbles = calloutBubbles(helpScreenshot().size(), {}, texts);
    const QFontMetricsF metrics(help::calloutFont());
    for (std::size_t n = 0; n < bubbles.size(); ++n) {
        if (said[n] == QLatin1String(englishCallouts[n]))
            problems << QStringLiteral("callout left in English: %1").arg(said[n]);
        if (!QRectF(0, 0, help::kHelpWidth, help::kHelpHeight).contains(bubbles[n]))
            problems << QStringLiteral("bubble off the picture: %1").arg(said[n]);
        for (std::size_t other = n + 1; other < bubbles.size(); ++other)
            if (bubbles[n].intersects(bubbles[other]))
                problems << QStringLiteral("bubbles overlap: %1 / %2").arg(said[n], said[other]);
        // What lies between two places a line may break (a word, or one
        // Chinese character) must fit the bubble's width.
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, said[n]);
        for (qsizetype from = 0, to = breaks.toNextBoundary(); to > 0;
             from = to, to = breaks.toNextBoundary()) {
            const QString piece = said[n].mid(from, to - from).trimmed();
            if (metrics.horizontalAdvance(piece) > help::calloutTextWidth(bubbles[n]))
                problems << QStringLiteral("wider than its bubble: %1").arg(piece);
        }
        if (!drawsEveryGlyph(said[n], help::calloutFont()))
            problems << QStringLiteral("no glyphs for \"%1\"").arg(said[n]);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

    // The help window shows it.
    Game game;
    const auto window = makeWindow(QStringLiteral("frmHelp"), game);
    window->show();
    const auto *shown = window->findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(shown);
    QCOMPARE(shown->pixmap().toImage(),
        ui::scaledPicture(picture, shown->size(), shown->devicePixelRatioF()).toImage());
}

// Written over in English, the pictured window's captions come out where the
// screenshot has them: the ink of each stands within a pixel of the old one.
void TestTranslations::helpPictureRedrawnInEnglish()
{
    // In English the help window shows the shipped picture as it always has.
    QVERIFY(translatedHelpPicture().isNull());
    Game game;
    const auto help = makeWindow(QStringLiteral("frmHelp"), game);
    help->show();
    const auto *shown = help->findChild<QLabel *>(QStringLiteral("Image1"));
    QCOMPARE(shown->pixmap().toImage(),
        ui::scaledPicture(
            QStringLiteral(":/pictures/help.bmp"), shown->size(), shown->devicePixelRatioF())
            .toImage());

    const QImage shot
        = QImage(QStringLiteral(":/pictures/help-shot.png")).convertToFormat(QImage::Format_RGB32);
    const QImage redrawn = helpScreenshot();
    QCOMPARE(redrawn.size(), shot.size());
    const auto inkOf = [](const QImage &image, const PicturedCaption &caption) {
        QRect ink;
        for (int y = caption.box.top(); y <= caption.box.bottom(); ++y)
            for (int x = caption.box.left(); x <= caption.box.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.red() - caption.ink.red())
                        + std::abs(c.green() - caption.ink.green())
                        + std::abs(c.blue() - caption.ink.blue())
                    < 160)
                    ink |= QRect(x, y, 1, 1);
            }
        return ink;
    };
    QStringList problems;
    for (const PicturedCaption &caption : picturedCaptions()) {
        const QRect before = inkOf(shot, caption), after = inkOf(redrawn, caption);
        const QMargins apart(after.left() - before.left(), after.top() - before.top(),
            after.right() - before.right(), after.bottom() - before.bottom());
        if (before.isEmpty() || std::abs(apart.left()) > 1 || std::abs(apart.top()) > 1
            || std::abs(apart.right()) > 1 || std::abs(apart.bottom()) > 1)
            problems << QStringLiteral("%1: (%2,%3)-(%4,%5) drawn (%6,%7)-(%8,%9)")
                            .arg(caption.text)
                            .arg(before.left())
                            .arg(before.top())
                            .arg(before.right())
                            .arg(before.bottom())
                            .arg(after.left())
                            .arg(after.top())
                            .arg(after.right())
                            .arg(after.bottom());
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

void TestTranslations::spokenNamesKeepTheirNumbers()
{
    QCOMPARE(ui::installTranslations(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
    Game game;
    QCOMPARE(game.window.control({Control::txtGuessOp, 2})->accessibleName(),
        QStringLiteral("Rechenzeichen zwischen Feld 2 und 3"));
    QCOMPARE(
        game.window.control({Control::cmdNums, 4})->accessibleName(), QStringLiteral("4 Zahlen"));
    QCOMPARE(game.window.control({Control::txtOp, 3})->accessibleName(),
        QStringLiteral("Rechenzeichen geteilt, zieh es in deinen Versuch"));
    // Numbers stay plain decimals, with no grouping.
    for (int tick = 0; tick < 1234; ++tick)
        game.window.Timer1_Timer();
    QCOMPARE(qobject_cast<QLineEdit *>(game.window.control({Control::txtTimer}))->text(),
        QStringLiteral("1234"));

    // A count takes its language's plural form: 2 but 5 numbers differ in Polish.
    ui::removeTranslations();
    QCOMPARE(ui::installTranslations(QLocale(QStringLiteral("pl_PL"))), QStringLiteral("pl"));
    Game polish;
    QCOMPARE(
        polish.window.control({Control::cmdNums, 2})->accessibleName(), QStringLiteral("2 liczby"));
    QCOMPARE(
        polish.window.control({Control::cmdNums, 5})->accessibleName(), QStringLiteral("5 liczb"));
}

void TestTranslations::qtsOwnTextsTranslated()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_de.qm")))
        QSKIP("Qt's own translations are not installed (qt6-translations-l10n)");
    QCOMPARE(ui::installTranslations(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
    QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != QLatin1String("&Undo"));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
