// Every control a player uses can be spoken by a screen reader: it has an
// accessible name, and cells expose their text as their value.
#include "CountingSound.h"
#include "records/FrmBest.h"
#include "records/FrmHooray.h"
#include "records/FrmNewRecord.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "shell/FrmAbout.h"
#include "shell/FrmNewUser.h"
#include "shell/FrmSplash.h"
#include "support/ScriptedDie.h"
#include "ui/FrmHelp.h"
#include "ui/FrmMain.h"

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
        const bool playerFacing = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
            || qobject_cast<QLabel *>(widget);
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
    ScriptedDie m_die{4, 2, 5, 1, 1, 1, 2, 4, 3, 1, 1};
    IniSettingsStore m_store;
    Records m_records{999, QStringLiteral("Nobody"), 0};
    CountingSound m_sound;
    std::unique_ptr<FrmMain> m_main;
};

void TestAccessibility::initTestCase()
{
    QAccessible::setActive(true);
    m_main = std::make_unique<FrmMain>(m_die, m_store, m_records, m_sound);
    m_main->Form_Load();
    m_main->show();
}

void TestAccessibility::everyWindowNamesItsControls_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"frmMain", "frmSplash", "frmNewUser", "frmAbout", "frmHelp", "frmHooray",
                             "frmNewRecord", "frmBest"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestAccessibility::everyWindowNamesItsControls()
{
    QFETCH(QString, window);
    auto noMain = [] { return nullptr; };
    std::unique_ptr<QWidget> owned;
    QWidget *shown = nullptr;
    if (window == "frmMain")
        shown = m_main.get();
    else if (window == "frmSplash")
        owned = std::make_unique<FrmSplash>(noMain);
    else if (window == "frmNewUser")
        owned = std::make_unique<FrmNewUser>(noMain);
    else if (window == "frmAbout")
        owned = std::make_unique<FrmAbout>(m_main.get());
    else if (window == "frmHelp")
        owned = std::make_unique<FrmHelp>(m_main.get());
    else if (window == "frmHooray")
        owned = std::make_unique<FrmHooray>(m_sound);
    else if (window == "frmNewRecord")
        owned = std::make_unique<FrmNewRecord>(m_records);
    else
        owned = std::make_unique<FrmBest>(m_records);
    if (owned) {
        owned->setAttribute(Qt::WA_DeleteOnClose, false);
        shown = owned.get();
    }
    QCOMPARE(shown->objectName(), window);
    QVERIFY(!shown->windowTitle().isEmpty() || window == "frmSplash");
    const QStringList unnamed = unnamedControls(shown);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
}

void TestAccessibility::cellsOfTheMainWindow_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("name");
    QTest::newRow("target") << "txtNumber(0)" << "Target";
    QTest::newRow("total") << "txtCurrentTotal" << "Running total";
    QTest::newRow("clock") << "txtTimer" << "Clock";
    QTest::newRow("pool") << "txtNumber(2)" << "Number 2 of the pool";
    QTest::newRow("guess") << "txtGuess(3)" << "Your guess, cell 3";
    QTest::newRow("operator") << "txtGuessOp(1)" << "Operator between cells 1 and 2";
    QTest::newRow("solution") << "txtAnswer(4)" << "Solution, cell 4";
}

void TestAccessibility::cellsOfTheMainWindow()
{
    QFETCH(QString, cell);
    QFETCH(QString, name);
    auto *box = m_main->findChild<QLineEdit *>(cell);
    QVERIFY(box);
    QCOMPARE(spoken(box), name);
    QCOMPARE(spoken(box, QAccessible::Value), box->text());
}

void TestAccessibility::menuEntries()
{
    const auto actions = m_main->menuBar()->actions();
    QCOMPARE(actions.size(), 3);
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(m_main->menuBar());
    QVERIFY(bar);
    QCOMPARE(bar->childCount(), 3);
    for (int n = 0; n < 3; ++n)
        QCOMPARE(bar->child(n)->text(QAccessible::Name), actions[n]->text());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
