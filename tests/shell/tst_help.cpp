#include "shell/FrmHelp.h"
#include "WindowCleanup.h"

#include <QtTest>

using namespace fw;
using shelltest::flushDeletions;
using shelltest::visibleWindowsNamed;

namespace {

FrmHelp *openHelpOf(const QWidget *owner)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *help = qobject_cast<FrmHelp *>(w);
        if (help && help->isVisible() && help->owner() == owner)
            return help;
    }
    return nullptr;
}

QWidget *newOwner()
{
    auto *owner = new QWidget;
    owner->setObjectName(QStringLiteral("frmMain"));
    owner->setAttribute(Qt::WA_DeleteOnClose);
    owner->show();
    return owner;
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void secondCallGivesSameWindow();
    void closedWindowIsBuiltAfresh();
    void closesWithOwner_data();
    void closesWithOwner();
    void minimisedHelpComesBack();
    void eachOwnerHasItsOwn();
};

void TestHelp::cleanup()
{
    shelltest::destroyAllWindows();
}

void TestHelp::secondCallGivesSameWindow()
{
    QWidget *owner = newOwner();
    showHelp(owner);
    QPointer<FrmHelp> first = openHelpOf(owner);
    showHelp(owner);
    flushDeletions();

    QCOMPARE(visibleWindowsNamed(QStringLiteral("frmHelp")), 1);
    QVERIFY(first);
    QCOMPARE(openHelpOf(owner), first.data());
    // A window of its own, beside the owner and not blocking it.
    QCOMPARE(first->parentWidget(), nullptr);
    QCOMPARE(first->windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(owner->isVisible());
}

void TestHelp::closedWindowIsBuiltAfresh()
{
    QWidget *owner = newOwner();
    showHelp(owner);
    QPointer<FrmHelp> first = openHelpOf(owner);
    QVERIFY(first);

    first->close();
    // Asking again before the closed window's deletion has come round must
    // still give a working window.
    showHelp(owner);
    flushDeletions();

    QVERIFY(first.isNull());
    QVERIFY(openHelpOf(owner));
    QCOMPARE(visibleWindowsNamed(QStringLiteral("frmHelp")), 1);
}

void TestHelp::closesWithOwner_data()
{
    QTest::addColumn<bool>("destroyOwner");
    QTest::newRow("owner closed") << false;
    QTest::newRow("owner destroyed") << true;
}

void TestHelp::closesWithOwner()
{
    QFETCH(bool, destroyOwner);

    QWidget *owner = newOwner();
    owner->setAttribute(Qt::WA_DeleteOnClose, false);
    showHelp(owner);
    QPointer<FrmHelp> help = openHelpOf(owner);
    QVERIFY(help);

    if (destroyOwner)
        delete owner;
    else
        owner->close();
    flushDeletions();

    QVERIFY(help.isNull());
    QCOMPARE(visibleWindowsNamed(QStringLiteral("frmHelp")), 0);
}

void TestHelp::minimisedHelpComesBack()
{
    QWidget *owner = newOwner();
    showHelp(owner);
    FrmHelp *help = openHelpOf(owner);
    QVERIFY(help);
    help->setWindowState(help->windowState() | Qt::WindowMinimized);

    showHelp(owner);
    QCOMPARE(openHelpOf(owner), help);
    QVERIFY(!(help->windowState() & Qt::WindowMinimized));
}

void TestHelp::eachOwnerHasItsOwn()
{
    QWidget *first = newOwner();
    QWidget *second = newOwner();
    showHelp(first);
    showHelp(second);
    showHelp(first);

    QCOMPARE(visibleWindowsNamed(QStringLiteral("frmHelp")), 2);
    QVERIFY(openHelpOf(first) != openHelpOf(second));

    first->close();
    flushDeletions();
    QVERIFY(openHelpOf(second));
    QCOMPARE(visibleWindowsNamed(QStringLiteral("frmHelp")), 1);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
