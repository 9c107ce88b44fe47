#include "shell/FrmAbout.h"
#include "support/ModalScript.h"
#include "WindowCleanup.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace fw;

namespace {

enum class CloseBy { Enter, KeypadEnter, Escape, ClickOk, Frame };

// What the box looked like while it was open.
struct Sighting {
    bool seen = false;
    QString name;
    QString title;
    QString version;
    QString windowTitle;
    bool modal = false;
    bool ownedByOwner = false;
    QString focusName;
    QPoint centre;
};

// Opens the About box the way the menu does and, from inside its modal loop,
// looks at it and closes it.
Sighting openAndClose(QWidget *owner, CloseBy closeBy)
{
    Sighting sighting;
    const auto lookAndClose = [&sighting, owner, closeBy](QWidget *box) {
        sighting.name = box->objectName();
        if (auto *title = box->findChild<QLabel *>(QStringLiteral("lblTitle")))
            sighting.title = title->text();
        if (auto *version = box->findChild<QLabel *>(QStringLiteral("lblVersion")))
            sighting.version = version->text();
        sighting.windowTitle = box->windowTitle();
        sighting.modal = box->isModal();
        sighting.ownedByOwner = box->parentWidget() == owner;
        sighting.focusName = box->focusWidget() ? box->focusWidget()->objectName() : QString();
        sighting.centre = box->geometry().center();

        auto *ok = box->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        QWidget *keyTarget = box->focusWidget() ? box->focusWidget() : box;
        switch (closeBy) {
        case CloseBy::Enter: QTest::keyClick(keyTarget, Qt::Key_Return); break;
        case CloseBy::KeypadEnter:
            QTest::keyClick(keyTarget, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case CloseBy::Escape: QTest::keyClick(keyTarget, Qt::Key_Escape); break;
        case CloseBy::ClickOk:
            if (ok)
                QTest::mouseClick(ok, Qt::LeftButton);
            break;
        case CloseBy::Frame: box->close(); break;
        }
    };
    // Whatever happens above, the script never leaves the test waiting on an
    // open box; one it has to close counts as not seen.
    ModalScript script({{QStringLiteral("frmAbout"), lookAndClose, 0, true}}, 5000);
    showAboutModal(owner);
    sighting.seen
        = script.seen == QStringList {QStringLiteral("frmAbout")} && script.problems.isEmpty();
    return sighting;
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensModallyAndCloses_data();
    void opensModallyAndCloses();
    void everyOpeningLooksTheSame();

private:
    QWidget *m_owner = nullptr;
};

void TestAbout::init()
{
    m_owner = new QWidget;
    m_owner->setObjectName(QStringLiteral("frmMain"));
    m_owner->setGeometry(120, 90, 633, 466);
    m_owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_owner));
}

void TestAbout::cleanup()
{
    shelltest::destroyAllWindows();
    m_owner = nullptr;
}

void TestAbout::opensModallyAndCloses_data()
{
    QTest::addColumn<CloseBy>("closeBy");
    QTest::newRow("Enter") << CloseBy::Enter;
    QTest::newRow("keypad Enter") << CloseBy::KeypadEnter;
    QTest::newRow("Escape") << CloseBy::Escape;
    QTest::newRow("click OK") << CloseBy::ClickOk;
    QTest::newRow("frame's close") << CloseBy::Frame;
}

void TestAbout::opensModallyAndCloses()
{
    QFETCH(CloseBy, closeBy);

    const Sighting sighting = openAndClose(m_owner, closeBy);

    QVERIFY2(sighting.seen, "the box opened and the test's action closed it");
    QCOMPARE(sighting.name, QStringLiteral("frmAbout"));
    QVERIFY(sighting.modal);
    QVERIFY(sighting.ownedByOwner);
    QCOMPARE(sighting.windowTitle, QStringLiteral("About Figurewheel"));
    QCOMPARE(sighting.title, QStringLiteral("Figurewheel"));
    QCOMPARE(sighting.version, QStringLiteral("Version 1.0.0"));
    QCOMPARE(sighting.focusName, QStringLiteral("cmdOK"));
    const QPoint offCentre = sighting.centre - m_owner->geometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2, "centred on its owner");

    // Closed means gone: the next opening starts from scratch.
    shelltest::flushDeletions();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(w->objectName() != QStringLiteral("frmAbout"));
    QVERIFY(m_owner->findChildren<FrmAbout *>().isEmpty());
}

void TestAbout::everyOpeningLooksTheSame()
{
    const Sighting first = openAndClose(m_owner, CloseBy::ClickOk);
    const Sighting second = openAndClose(m_owner, CloseBy::Escape);
    QVERIFY(first.seen && second.seen);
    QCOMPARE(second.title, first.title);
    QCOMPARE(second.version, first.version);
    QCOMPARE(second.title, QStringLiteral("Figurewheel"));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
