// A blind player's game, heard through a real screen reader: Orca listens to
// the game over AT-SPI while a player who uses only the keys (real key
// presses through the X server) plays a puzzle from deal to record, and the
// test checks, step by step, what Orca said. Run by with-orca.sh.
#include "OrcaLog.h"
#include "screenreader/Install.h"
#include "shell/FrmNewUser.h"
#include "shell/FrmSplash.h"
#include "support/MainGame.h"
#include "ui/Translations.h"

#include <QAccessible>
#include <QEventLoop>
#include <QLineEdit>
#include <QMap>
#include <QMetaObject>
#include <QProcess>
#include <QtTest>

#include <array>
#include <functional>
#include <memory>
#include <thread>

using namespace fw;

namespace {

// The player: presses keys and listens, on a thread of its own, so the game
// goes on (modal windows and all) while it waits for Orca. What went wrong
// is written down for the test to report.
class Player {
public:
    Player(OrcaLog &log, QStringList &trouble)
        : m_log(log)
        , m_trouble(trouble)
    {
    }

    void key(const QString &keys)
    {
        QProcess::execute(QStringLiteral("xdotool"), {"key", "--delay", "80", keys});
    }
    void type(const QString &text)
    {
        QProcess::execute(QStringLiteral("xdotool"), {"type", "--delay", "80", text});
    }

    // Orca says these words (a line holding them), after what it said last.
    bool hear(const QString &words) { return heard(m_log.waitFor(words), words); }
    bool hearLine(const QString &pattern)
    {
        return heard(m_log.waitFor(QRegularExpression(pattern)), pattern);
    }

    // Alt opens the menu bar on its first entry. A press that reaches the
    // window while it is still coming back from a closed one is lost, so
    // the player presses again, as one who hears nothing would.
    bool openMenu()
    {
        for (int n = 0; n < 3; ++n) {
            key(QStringLiteral("alt"));
            if (!m_log.waitFor(QStringLiteral("Who's the Best?"), 10).isEmpty())
                return true;
        }
        return heard({}, QStringLiteral("the menu bar opening on Who's the Best?"));
    }

    // Tab until Orca names the control, as a player who listens would.
    bool tabTo(const QString &name)
    {
        static const QRegularExpression focusLine(
            QStringLiteral("(read only text|push button)\\.$"));
        for (int n = 0; n < 40; ++n) {
            key(QStringLiteral("Tab"));
            const QString said = m_log.waitFor(focusLine);
            if (said.isEmpty())
                return heard(
                    said, QStringLiteral("a control taking the focus on the way to ") + name);
            if (said.startsWith(name))
                return true;
        }
        m_trouble << QStringLiteral("Tab never reached ") + name;
        return false;
    }

private:
    bool heard(const QString &said, const QString &wanted)
    {
        if (said.isEmpty())
            m_trouble << QStringLiteral("Orca never said: ") + wanted;
        return !said.isEmpty();
    }

    OrcaLog &m_log;
    QStringList &m_trouble;
};

// Every text box of the program as assistive technology reads it: its
// spoken name and its text.
QMap<QString, QString> readCells(const QString &appName)
{
    QProcess reader;
    // Debian's own Python, which has the AT-SPI bindings Orca uses.
    reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(FW_READ_CELLS), appName});
    reader.waitForFinished(60000);
    QMap<QString, QString> cells;
    const auto lines = QString::fromUtf8(reader.readAllStandardOutput())
                           .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        cells.insert(line.section(QLatin1Char('\t'), 0, 0), line.section(QLatin1Char('\t'), 1));
    return cells;
}

// The same, as the window shows it.
QMap<QString, QString> shownCells(const QWidget &window)
{
    QMap<QString, QString> cells;
    const auto boxes = window.findChildren<QLineEdit *>();
    for (const QLineEdit *box : boxes)
        cells.insert(box->accessibleName(), box->text());
    return cells;
}

// Runs the player's script on its own thread while the game runs a real
// event loop, so it answers the screen reader's questions at once, modal
// windows and all; what went wrong, with all Orca said if anything did.
QStringList playAlong(OrcaLog &log, const std::function<void(Player &)> &script)
{
    QStringList trouble;
    QEventLoop running;
    std::thread player([&] {
        Player p(log, trouble);
        script(p);
        QMetaObject::invokeMethod(&running, &QEventLoop::quit, Qt::QueuedConnection);
    });
    running.exec();
    player.join();
    if (!trouble.isEmpty())
        qWarning().noquote() << "Orca said:\n" + log.heard().join('\n');
    return trouble;
}

#define STEP(heard)                                                                                \
    if (!(heard))                                                                                  \
    return

// The second puzzle deals 6, 5 and 4.
const std::vector<int> kSecondPuzzle {6, 5, 4, 3, 2, 1, 1, 1, 2, 1, 3};
// A hint's rolls: solution cells 1 and 3, and the operator between 2 and 3.
const std::vector<int> kHintRolls {1, 6, 6};

} // namespace

class TestOrca : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void playByEar();
    void startWindowsAreRead();
    void playsInSpanish();
};

void TestOrca::initTestCase()
{
    fw::screenreader::install();
    if (qEnvironmentVariableIsEmpty("FW_ORCA_LOG"))
        QFAIL("run me with with-orca.sh, beside a screen reader");
    // Qt reaches the screen reader once it has found it on the session bus.
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 30000);
}

void TestOrca::playByEar()
{
    OrcaLog log(qEnvironmentVariable("FW_ORCA_LOG"));
    MainGame game;
    game.die.push(kHintRolls);
    game.die.push(kSecondPuzzle);
    game.window.activateWindow();

    const QString appName = QCoreApplication::applicationName();
    QMap<QString, QString> cellsReadBack;
    QMap<QString, QString> cellsShown;
    const QStringList trouble = playAlong(log, [&](Player &p) {
        // The window opens on a puzzle.
        STEP(p.hear("Figurewheel frame"));
        STEP(p.hear("notification Target 22. Numbers: 4, 2, 5."));
        // Every cell, read over AT-SPI, gives what it shows.
        cellsReadBack = readCells(appName);
        QMetaObject::invokeMethod(
            &game.window, [&] { cellsShown = shownCells(game.window); },
            Qt::BlockingQueuedConnection);
        // Each number is said as it takes the focus.
        STEP(p.tabTo("Number 1 of the pool"));
        STEP(p.hearLine("^4\\.?$"));
        p.key("Right");
        STEP(p.hear("Number 2 of the pool"));
        STEP(p.hearLine("^2\\.?$"));
        p.key("Right");
        STEP(p.hear("Number 3 of the pool"));
        STEP(p.hearLine("^5\\.?$"));
        p.key("space");
        STEP(p.hear("notification Holding 5."));
        STEP(p.tabTo("Your guess, cell 1"));
        p.key("space");
        STEP(p.hear("notification Cell 1: 5. Total: 5."));
        // An operator from the palette.
        STEP(p.tabTo("Operator plus"));
        p.key("Right");
        STEP(p.hear("Operator times"));
        p.key("Return");
        STEP(p.hear("notification Holding times."));
        STEP(p.tabTo("Operator between cells 1 and 2"));
        p.key("space");
        STEP(p.hear("notification Between cells 1 and 2: times. Total: 5."));
        // Taken out again; then a number refused there, which says so.
        p.key("space");
        STEP(p.hear("notification Between cells 1 and 2: nothing. Total: 5."));
        STEP(p.tabTo("Number 1 of the pool"));
        p.key("space");
        STEP(p.hear("notification Holding 4."));
        STEP(p.tabTo("Operator between cells 1 and 2"));
        p.key("space");
        STEP(p.hear("notification No change. Total: 5."));
        // A hint, and its end.
        STEP(p.tabTo("Hint"));
        p.key("space");
        STEP(p.hear("notification Hint 1. Solution cell 1: 5. Solution cell 3: 2. "
                    "Solution between cells 2 and 3: plus."));
        QMetaObject::invokeMethod(
            &game.window, [&] { game.window.Timer2_Timer(); }, Qt::QueuedConnection);
        STEP(p.hear("notification Solution hidden."));
        // The rest of 5 X 4 + 2.
        // clang-format off
        const std::array<std::array<const char *, 4>, 4> moves{{
            {"Operator times", "Holding times.", "Operator between cells 1 and 2", "Between cells 1 and 2: times. Total: 5."},
            {"Number 1 of the pool", "Holding 4.", "Your guess, cell 2", "Cell 2: 4. Total: 20."},
            {"Operator plus", "Holding plus.", "Operator between cells 2 and 3", "Between cells 2 and 3: plus. Total: 20."},
            {"Number 2 of the pool", "Holding 2.", "Your guess, cell 3", "Cell 3: 2. Total: 22. !!!Way to go!!!"},
        }};
        // clang-format on
        for (const auto &[from, holding, to, then] : moves) {
            STEP(p.tabTo(from));
            p.key("space");
            STEP(p.hear(QStringLiteral("notification ") + holding));
            STEP(p.tabTo(to));
            p.key("space");
            STEP(p.hear(QStringLiteral("notification ") + then));
        }
        // The celebration, then the record: the player types a name.
        STEP(p.hear("alert Congratulations!  You did it!"));
        p.key("alt+F4");
        STEP(p.hear("alert Congratulations!"));
        STEP(p.hear("I see a new record! What's your name?"));
        STEP(p.hear("Your name"));
        p.key("ctrl+a");
        p.type("Ann");
        p.key("Return");
        STEP(p.hear("Figurewheel frame"));
        // Who holds the record, from the menu.
        STEP(p.openMenu());
        p.key("Return");
        STEP(p.hear("alert Who's Best?"));
        STEP(p.hearLine("^Ann \\d+ seconds"));
        p.key("Escape");
        STEP(p.hear("Figurewheel frame"));
        // Where things stand, asked for without moving.
        p.key("s");
        STEP(p.hearLine("^notification Target 22\\. Total: 22\\. Clock: \\d+ seconds\\.$"));
        // A new puzzle, and its whole solution.
        p.key("ctrl+n");
        STEP(p.hearLine("^notification Target \\d+\\. Numbers: 6, 5, 4\\.$"));
        STEP(p.tabTo("Answer"));
        p.key("space");
        STEP(p.hearLine("^notification Solution: \\d \\w+ \\d \\w+ \\d\\. You peeked!$"));
        p.key("space");
        STEP(p.hear("notification Solution hidden."));
        // The About box and the help window are read as they open.
        STEP(p.openMenu());
        p.key("Left");
        STEP(p.hear("Who Wrote Figurewheel?"));
        p.key("Return");
        STEP(p.hear("alert About Figurewheel"));
        STEP(p.hear("Beta version for testing only!"));
        p.key("Return");
        STEP(p.hear("Figurewheel frame"));
        p.key("F1");
        STEP(p.hear("alert How do I play Figurewheel?"));
        STEP(p.hear("How to play: choose how many numbers"));
        p.key("alt+F4");
        STEP(p.hear("Figurewheel frame"));
    });
    QVERIFY2(trouble.isEmpty(), qPrintable(trouble.join('\n')));
    QCOMPARE(game.store.read("Records", "BestPlayer"), QString("Ann"));
    // The clock may have ticked between the two readings.
    QVERIFY(cellsReadBack.contains("Clock"));
    cellsReadBack.remove("Clock");
    cellsShown.remove("Clock");
    QCOMPARE(cellsShown.size(), 34);
    QCOMPARE(cellsReadBack, cellsShown);
}

// The way in: the splash says its texts as it shows, though it never takes
// the focus; the tutorial is read whole, and its button leads to a puzzle.
void TestOrca::startWindowsAreRead()
{
    OrcaLog log(qEnvironmentVariable("FW_ORCA_LOG"));
    log.skipAll();
    std::vector<std::unique_ptr<MainGame>> mains;
    const MainWindowFactory createMain = [&]() -> QWidget * {
        mains.push_back(std::make_unique<MainGame>(kFirstPuzzle, MainGame::Loaded));
        return &mains.back()->window;
    };
    auto *splash = new FrmSplash(createMain);
    splash->show();
    const QStringList trouble = playAlong(log, [&](Player &p) {
        STEP(p.hearLine("^notification Figurewheel! from .+ Version \\d+\\.\\d+\\.\\d+ "));
        // The splash hands over to the game when its half second is up.
        QMetaObject::invokeMethod(
            splash, [&] { splash->Timer1_Timer(); }, Qt::QueuedConnection);
        STEP(p.hear("Figurewheel frame"));
        STEP(p.hear("notification Target 22. Numbers: 4, 2, 5."));
        QMetaObject::invokeMethod(
            &mains.back()->window,
            [&] {
                mains.back()->window.hide();
                (new FrmNewUser(createMain))->show();
            },
            Qt::QueuedConnection);
        STEP(p.hear("alert Thanks for Trying Figurewheel!"));
        STEP(p.hear(
            "Solve the Puzzle! Can you add, subtract, multiply and divide these numbers: 5 1 2 "
            "To get this answer: 11 Here's the solution: 5  x  2  +  1  =  11"));
        STEP(p.hear("Click here to solve your own puzzle! push button."));
        p.key("Return");
        STEP(p.hear("Figurewheel frame"));
        STEP(p.hear("notification Target 22. Numbers: 4, 2, 5."));
    });
    QVERIFY2(trouble.isEmpty(), qPrintable(trouble.join('\n')));
}

// A Spanish player hears the deal, the moves and the closing message in
// Spanish, from the same keys.
void TestOrca::playsInSpanish()
{
    QCOMPARE(ui::installTranslations(QLocale(QStringLiteral("es_ES"))), QStringLiteral("es"));
    const auto tr = [](const char *text) { return ui::Texts::tr(text); };
    QVERIFY(tr("Total: %1.") != QLatin1String("Total: %1.") || tr("Hint") != "Hint");
    OrcaLog log(qEnvironmentVariable("FW_ORCA_LOG"));
    log.skipAll();
    // A best time of a second: no new record, the celebration ends the game.
    IniSettingsStore().write("Records", "BestTime", "1");
    MainGame game;
    game.window.activateWindow();
    const QString poolCell = tr("Number %1 of the pool"), rowCell = tr("Your guess, cell %1");
    const QString palette = tr("Operator %1, drag it into your guess");
    const QString gap = tr("Operator between cells %1 and %2");
    const QString notification = QStringLiteral("notification ");
    const QString total = QLatin1Char(' ') + tr("Total: %1.");
    const QStringList trouble = playAlong(log, [&](Player &p) {
        STEP(p.hear(notification + tr("Target %1. Numbers: %2.").arg(22).arg("4, 2, 5")));
        // 5 X 4 + 2, by the keys.
        const struct {
            QString from, held, to, then;
        } moves[] = {
            {poolCell.arg(3), "5", rowCell.arg(1), tr("Cell %1: %2.").arg(1).arg(5) + total.arg(5)},
            {palette.arg(tr("times")), tr("times"), gap.arg(1).arg(2),
                tr("Between cells %1 and %2: %3.").arg(1).arg(2).arg(tr("times")) + total.arg(5)},
            {poolCell.arg(1), "4", rowCell.arg(2),
                tr("Cell %1: %2.").arg(2).arg(4) + total.arg(20)},
            {palette.arg(tr("plus")), tr("plus"), gap.arg(2).arg(3),
                tr("Between cells %1 and %2: %3.").arg(2).arg(3).arg(tr("plus")) + total.arg(20)},
            {poolCell.arg(2), "2", rowCell.arg(3),
                tr("Cell %1: %2.").arg(3).arg(2) + total.arg(22) + ' ' + tr("!!!Way to go!!!")},
        };
        for (const auto &move : moves) {
            STEP(p.tabTo(move.from));
            p.key("space");
            STEP(p.hear(notification + tr("Holding %1.").arg(move.held)));
            STEP(p.tabTo(move.to));
            p.key("space");
            STEP(p.hear(notification + move.then));
        }
        STEP(p.hear("alert " + tr("Congratulations!  You did it!")));
        p.key("alt+F4");
        STEP(p.hear("Figurewheel frame"));
    });
    ui::removeTranslations();
    QVERIFY2(trouble.isEmpty(), qPrintable(trouble.join('\n')));
}

QTEST_MAIN(TestOrca)
#include "tst_orca.moc"
