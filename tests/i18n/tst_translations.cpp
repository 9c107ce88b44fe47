// The game in German and in French: every window built with the language's
// translation installed shows no English text left over, and every label and
// button still holds its text within its rectangle. Without a translation
// (every other test) the game is English, as written.
#include "mainwindow/FrmMain.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "support/AllWindows.h"
#include "support/CountingSound.h"
#include "support/ScriptedDie.h"
#include "support/TextFits.h"
#include "ui/ControlTable.h"
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
#include <QtTest>

#include <memory>

using namespace fw;

namespace {

// Pool 4, 2, 5 (and three hidden draws), hidden row 5 X 4 + 2 = 22.
const std::vector<int> kFirstPuzzle {4, 2, 5, 1, 1, 1, 2, 4, 3, 1, 1};

struct Game {
    ScriptedDie die;
    IniSettingsStore store;
    Records records {999, QStringLiteral("Nobody"), 0};
    CountingSound sound;
    std::unique_ptr<FrmMain> window;

    Game()
    {
        die.push(kFirstPuzzle);
        window = std::make_unique<FrmMain>(die, store, records, sound);
        window->Form_Load();
    }
    // Solves the first puzzle: 5 X 4 + 2.
    void solve()
    {
        // clang-format off
        const std::pair<ControlId, ControlId> drops[] = {
            {{Control::txtGuess, 1}, {Control::txtNumber, 3}}, {{Control::txtGuessOp, 1}, {Control::txtOp, 4}},
            {{Control::txtGuess, 2}, {Control::txtNumber, 1}}, {{Control::txtGuessOp, 2}, {Control::txtOp, 1}},
            {{Control::txtGuess, 3}, {Control::txtNumber, 2}}};
        // clang-format on
        for (const auto &[target, source] : drops)
            window->cellDropped(target, source);
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

std::unique_ptr<QWidget> makeWindow(const QString &name, Game &game)
{
    if (name == QLatin1String("frmMain"))
        return nullptr;
    return makeSecondaryWindow(name, game.window.get(), game.sound, game.records);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void translationsTravelWithTheProgram();
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();
    void everyWindowTranslated_data();
    void everyWindowTranslated();
    void closingMessagesTranslated_data();
    void closingMessagesTranslated();
    void spokenNamesKeepTheirNumbers();
    void qtsOwnTextsTranslated();
};

void TestTranslations::cleanup()
{
    ui::removeTranslations();
}

void TestTranslations::translationsTravelWithTheProgram()
{
    for (const char *language : {"de", "fr"})
        QVERIFY2(
            QFile::exists(QStringLiteral(":/i18n/figurewheel_%1.qm").arg(QLatin1String(language))),
            language);
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
    QTest::newRow("Italian, not shipped") << QLocale(QStringLiteral("it_IT")) << "";
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
    for (const char *language : {"de", "fr"})
        for (const QString &window : kAllWindows)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(language), window)))
                << QString::fromLatin1(language) << window;
}

void TestTranslations::everyWindowTranslated()
{
    QFETCH(QString, language);
    QFETCH(QString, window);

    Game englishGame;
    std::unique_ptr<QWidget> englishWindow = makeWindow(window, englishGame);
    QWidget *englishShown = englishWindow ? englishWindow.get() : englishGame.window.get();
    englishShown->show();
    const QMap<QString, QString> english = textsOf(englishShown);
    QCOMPARE(overrunning(englishShown), QStringList());

    QCOMPARE(ui::installTranslations(QLocale(language)), language);
    Game game;
    std::unique_ptr<QWidget> owned = makeWindow(window, game);
    QWidget *shown = owned ? owned.get() : game.window.get();
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

    const QStringList overruns = overrunning(shown);
    QVERIFY2(overruns.isEmpty(), qPrintable(overruns.join(QStringLiteral("; "))));
}

void TestTranslations::closingMessagesTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("peeked");
    QTest::addColumn<QString>("english");
    for (const char *language : {"de", "fr"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 solved").arg(QLatin1String(language))))
            << QString::fromLatin1(language) << false << "!!!Way to go!!!";
        QTest::newRow(qPrintable(QStringLiteral("%1 after peeking").arg(QLatin1String(language))))
            << QString::fromLatin1(language) << true << "You're done!";
    }
}

void TestTranslations::closingMessagesTranslated()
{
    QFETCH(QString, language);
    QFETCH(bool, peeked);
    QFETCH(QString, english);
    QCOMPARE(ui::installTranslations(QLocale(language)), language);
    Game game;
    game.window->show();
    game.die.push({3, 3, 3});
    game.window->cmdHint_Click(); // the hint count appears
    if (peeked) {
        game.window->cmdAnswers_Click();
        game.window->cmdAnswers_Click();
    }
    game.solve();
    auto *done = qobject_cast<QLabel *>(game.window->control({Control::lblDone}));
    QVERIFY(done);
    QVERIFY(game.window->puzzle().Done);
    QCOMPARE(done->text(), ui::Texts::tr(english.toUtf8().constData()));
    QVERIFY(done->text() != english);
    for (Control shownLabel : {Control::lblHint1, Control::lblHint2, Control::lblHint3})
        QVERIFY(game.window->control({shownLabel})->isVisible());
    QCOMPARE(game.window->control({Control::lblPeeked})->isVisible(), peeked);
    QVERIFY2(overrunning(game.window.get()).isEmpty(),
        qPrintable(overrunning(game.window.get()).join("; ")));
}

void TestTranslations::spokenNamesKeepTheirNumbers()
{
    QCOMPARE(ui::installTranslations(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
    Game game;
    QCOMPARE(game.window->control({Control::txtGuessOp, 2})->accessibleName(),
        QStringLiteral("Rechenzeichen zwischen Feld 2 und 3"));
    QCOMPARE(
        game.window->control({Control::cmdNums, 4})->accessibleName(), QStringLiteral("4 Zahlen"));
    QCOMPARE(game.window->control({Control::txtOp, 3})->accessibleName(),
        QStringLiteral("Rechenzeichen geteilt, zieh es in deinen Versuch"));
    // Numbers stay plain decimals, with no grouping.
    for (int tick = 0; tick < 1234; ++tick)
        game.window->Timer1_Timer();
    QCOMPARE(qobject_cast<QLineEdit *>(game.window->control({Control::txtTimer}))->text(),
        QStringLiteral("1234"));
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
