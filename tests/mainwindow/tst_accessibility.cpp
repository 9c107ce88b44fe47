// Every control a player uses can be spoken by a screen reader: it has an
// accessible name, and cells give their text as a locked text box does.
// What a screen reader really says is heard by the screen-reader test.
#include "screenreader/Install.h"
#include "support/AllWindows.h"
#include "support/MainGame.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QtTest>

#include <memory>

using namespace fw;

namespace {

QString spoken(QObject *object, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(what) : QString();
}

// Buttons, text boxes, labels and pictures: everything a player sees or uses.
QStringList unnamedControls(QWidget *window)
{
    QStringList unnamed;
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const bool playerFacing = qobject_cast<QAbstractButton *>(widget)
            || qobject_cast<QLineEdit *>(widget) || qobject_cast<QLabel *>(widget);
        if (!playerFacing || widget->objectName().isEmpty() || !widget->isVisibleTo(window))
            continue;
        if (spoken(widget).trimmed().isEmpty())
            unnamed << widget->objectName();
    }
    return unnamed;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyWindowNamesItsControls_data();
    void everyWindowNamesItsControls();
    void cellsOfTheMainWindow_data();
    void cellsOfTheMainWindow();
    void menuEntries();

private:
    std::unique_ptr<MainGame> m_game;
};

void TestAccessibility::initTestCase()
{
    fw::screenreader::install();
    QAccessible::setActive(true);
    m_game = std::make_unique<MainGame>();
}

void TestAccessibility::everyWindowNamesItsControls_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : kAllWindows)
        QTest::newRow(qPrintable(name)) << name;
}

void TestAccessibility::everyWindowNamesItsControls()
{
    QFETCH(QString, window);
    std::unique_ptr<QWidget> owned
        = makeSecondaryWindow(window, &m_game->window, m_game->sound, m_game->records);
    QWidget *shown = owned ? owned.get() : &m_game->window;
    QCOMPARE(shown->objectName(), window);
    QVERIFY(!shown->windowTitle().isEmpty() || window == "frmSplash");
    const QStringList unnamed = unnamedControls(shown);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
}

void TestAccessibility::cellsOfTheMainWindow_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("name");
    QTest::newRow("target") << "txtNumber(0)"
                            << "Target";
    QTest::newRow("total") << "txtCurrentTotal"
                           << "Running total";
    QTest::newRow("clock") << "txtTimer"
                           << "Clock";
    QTest::newRow("pool") << "txtNumber(2)"
                          << "Number 2 of the pool";
    QTest::newRow("guess") << "txtGuess(3)"
                           << "Your guess, cell 3";
    QTest::newRow("operator") << "txtGuessOp(1)"
                              << "Operator between cells 1 and 2";
    QTest::newRow("solution") << "txtAnswer(4)"
                              << "Solution, cell 4";
}

void TestAccessibility::cellsOfTheMainWindow()
{
    QFETCH(QString, cell);
    QFETCH(QString, name);
    auto *box = m_game->window.findChild<QLineEdit *>(cell);
    QVERIFY(box);
    QCOMPARE(spoken(box), name);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(box);
    QVERIFY(face->textInterface());
    QCOMPARE(face->textInterface()->text(0, -1), box->text());
    QCOMPARE(face->textInterface()->characterCount(), box->text().size());
    QVERIFY(face->state().readOnly);
}

void TestAccessibility::menuEntries()
{
    const auto actions = m_game->window.menuBar()->actions();
    QCOMPARE(actions.size(), 3);
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(m_game->window.menuBar());
    QVERIFY(bar);
    QCOMPARE(bar->childCount(), 3);
    for (int n = 0; n < 3; ++n)
        QCOMPARE(bar->child(n)->text(QAccessible::Name), actions[n]->text());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
