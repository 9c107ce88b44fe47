// The main window as designed, control by control: place, first text,
// colours, font and state, checked before the first puzzle replaces texts.
#include "cells/CellBox.h"
#include "support/MainGame.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

using namespace fw;

namespace {

struct Expected {
    const char *name;
    int left, top, width, height;
    const char *text;
    QColor background;
    QColor textColor;
    double points; // 0: the default 8-point face
    bool bold, italic, locked, dragSource, hidden;
};

const QColor none;
const QColor red(255, 0, 0), blue(0, 0, 255), lightYellow(255, 255, 128), darkBlue(0, 0, 192),
    yellow(255, 255, 0), green(0, 255, 0), cyan(0, 255, 255), grey(192, 192, 192),
    darkGreen(0, 128, 0), navy(0, 0, 128), darkRed(192, 0, 0);

// name, rectangle, text, background, text colour, points, bold, italic, locked, drag source, hidden
// clang-format off
const Expected kControls[] = {
    {"cmdNums(6)", 2040, 0, 492, 372, "6", none, none, 13.8, false, false, false, false, false},
    {"cmdNums(5)", 1560, 0, 492, 372, "5", none, none, 13.8, false, false, false, false, false},
    {"cmdNums(4)", 1080, 0, 492, 372, "4", none, none, 13.8, false, false, false, false, false},
    {"cmdNums(3)", 600, 0, 492, 372, "3", none, none, 13.8, false, false, false, false, false},
    {"cmdNums(2)", 120, 0, 492, 372, "2", none, none, 13.8, false, false, false, false, false},
    {"cmdHoorayTest", 7920, 2160, 1095, 495, "Hooray", none, none, 0, false, false, false, false, true},
    {"txtOp(4)", 6360, 1200, 315, 345, "X", red, none, 12, true, false, false, true, false},
    {"txtOp(3)", 6360, 1560, 315, 345, " /", red, none, 12, true, false, false, true, false},
    {"txtOp(0)", 6000, 1560, 315, 345, "--", red, none, 12, true, false, false, true, false},
    {"txtOp(1)", 6000, 1200, 315, 345, "+", red, none, 12, true, false, false, true, false},
    {"cmdHint", 240, 5160, 1095, 495, "Hint", none, none, 0, false, false, false, false, false},
    {"cmdAnswers", 240, 4680, 1095, 495, "Answer", none, none, 0, false, false, false, false, false},
    {"txtAnswer(1)", 1800, 4680, 375, 495, "3", blue, lightYellow, 18, true, false, false, false, false},
    {"txtAnswer(2)", 2925, 4680, 375, 495, "1", blue, lightYellow, 18, true, false, false, false, false},
    {"txtAnswer(3)", 4080, 4680, 375, 495, "2", blue, lightYellow, 18, true, false, false, false, false},
    {"txtAnswer(4)", 5190, 4680, 375, 495, "4", blue, lightYellow, 18, true, false, false, false, false},
    {"txtAnswer(5)", 6315, 4680, 375, 495, "3", blue, lightYellow, 18, true, false, false, false, false},
    {"txtAnswer(6)", 7440, 4680, 375, 495, "5", blue, lightYellow, 18, true, false, false, false, false},
    {"txtAnswerOp(1)", 2400, 4800, 315, 345, "+", red, none, 12, true, false, false, false, false},
    {"txtAnswerOp(2)", 3480, 4800, 315, 345, "Text1", red, none, 12, true, false, false, false, false},
    {"txtAnswerOp(3)", 4680, 4800, 315, 345, "Text1", red, none, 12, true, false, false, false, false},
    {"txtAnswerOp(4)", 5880, 4800, 315, 345, "Text1", red, none, 12, true, false, false, false, false},
    {"txtAnswerOp(5)", 6960, 4800, 315, 345, "Text1", red, none, 12, true, false, false, false, false},
    {"txtCurrentTotal", 8160, 3360, 1335, 615, "", darkBlue, lightYellow, 24, true, false, true, false, false},
    {"txtGuessOp(5)", 6960, 3600, 315, 345, "", red, none, 12, true, false, true, false, false},
    {"txtGuessOp(4)", 5880, 3600, 315, 345, "", red, none, 12, true, false, true, false, false},
    {"txtGuessOp(3)", 4680, 3600, 315, 345, "", red, none, 12, true, false, true, false, false},
    {"txtGuessOp(2)", 3480, 3600, 315, 345, "", red, none, 12, true, false, true, false, false},
    {"txtGuessOp(1)", 2400, 3600, 315, 345, "", red, none, 12, true, false, true, false, false},
    {"txtGuess(6)", 7440, 3480, 375, 495, "", blue, lightYellow, 18, true, false, true, false, false},
    {"txtGuess(5)", 6312, 3480, 375, 495, "", blue, lightYellow, 18, true, false, true, false, false},
    {"txtGuess(4)", 5184, 3480, 375, 495, "", blue, lightYellow, 18, true, false, true, false, false},
    {"txtGuess(3)", 4080, 3480, 375, 495, "", blue, lightYellow, 18, true, false, true, false, false},
    {"txtGuess(2)", 2880, 3480, 375, 495, "", blue, lightYellow, 18, true, false, true, false, false},
    {"txtGuess(1)", 1800, 3480, 375, 495, "", blue, lightYellow, 18, true, false, true, false, false},
    {"txtTimer", 240, 1200, 1095, 675, "00", none, red, 24, false, false, false, false, false},
    {"txtNumber(6)", 4920, 1440, 375, 495, "2", yellow, none, 18, true, false, false, true, false},
    {"txtNumber(5)", 4440, 1200, 375, 495, "1", green, none, 18, true, false, false, true, false},
    {"txtNumber(4)", 3960, 1440, 375, 495, "4", cyan, none, 18, true, false, false, true, false},
    {"txtNumber(3)", 3960, 960, 375, 495, "3", cyan, none, 18, true, false, false, true, false},
    {"txtNumber(2)", 3000, 1440, 375, 495, "3", green, none, 18, true, false, false, true, false},
    {"txtNumber(1)", 3480, 1200, 375, 495, "5", yellow, none, 18, true, false, false, true, false},
    {"txtNumber(0)", 8040, 1200, 1335, 495, "  67", grey, none, 24, true, false, true, false, false},
    {"cmdNew", 240, 720, 1095, 495, "New Game", none, none, 0, false, false, false, false, false},
    {"Frame2", 1560, 3120, 6495, 1095, "Your Guess", lightYellow, none, 0, false, false, false, false, false},
    {"Label2", 8040, 600, 1452, 372, "To make this", none, red, 13.8, true, false, false, false, false},
    {"Label1", 3360, 600, 2652, 372, "Combine these", none, red, 12, true, false, false, false, false},
    {"lblDone", 1680, 2160, 4812, 852, "!Way to go!", none, darkGreen, 24, true, true, false, false, true},
    {"lblHint3", 3960, 5280, 855, 495, "1", none, navy, 18, false, true, false, false, false},
    {"lblHint2", 4800, 5280, 1095, 375, "hints", none, navy, 18, false, true, false, false, false},
    {"lblHint1", 1800, 5280, 2175, 375, "You've used", none, navy, 18, false, true, false, false, false},
    {"lblPeeked", 5520, 6360, 3975, 735, "You peeked!", none, darkRed, 24, true, true, false, false, false},
    {"Image1", 0, 0, 9612, 7212, "", none, none, 0, false, false, false, false, false},
};
// clang-format on

} // namespace

class TestMainLayout : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void frontToBack();
    void operatorColourOnlyOnOperators();
    void menuToolbarAndStatusBar();
    void loadedWindow();
};

void TestMainLayout::controls_data()
{
    QTest::addColumn<int>("row");
    for (int n = 0; n < int(std::size(kControls)); ++n)
        QTest::newRow(kControls[n].name) << n;
}

void TestMainLayout::controls()
{
    QFETCH(int, row);
    const Expected &e = kControls[row];
    MainGame game(kFirstPuzzle, MainGame::Built);
    FrmMain &window = game.window;
    auto *widget = window.findChild<QWidget *>(QString::fromLatin1(e.name));
    QVERIFY(widget);
    widget->ensurePolished();
    QCOMPARE(widget->geometry(), ui::twipsRect(QRect(e.left, e.top, e.width, e.height)));
    QCOMPARE(textOf(widget), QString::fromLatin1(e.text));
    QCOMPARE(widget->isVisibleTo(widget->parentWidget()), !e.hidden);
    const QPalette palette = widget->palette();
    if (e.background.isValid())
        QCOMPARE(palette.color(widget->backgroundRole()), e.background);
    if (e.textColor.isValid())
        QCOMPARE(palette.color(widget->foregroundRole()), e.textColor);
    if (e.points > 0) {
        QCOMPARE(widget->font().pixelSize(), qRound(e.points * 4.0 / 3.0));
        QCOMPARE(widget->font().bold(), e.bold);
        QCOMPARE(widget->font().italic(), e.italic);
    } else if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QGroupBox *>(widget)) {
        QCOMPARE(widget->font().pixelSize(), qRound(8 * 4.0 / 3.0));
    }
    if (auto *cell = qobject_cast<cells::CellBox *>(widget)) {
        // No cell takes typing; the locked ones and the pool alike.
        QVERIFY(cell->isReadOnly());
        QCOMPARE(cell->isDragSource(), e.dragSource);
    }
    if (QString(e.name) == "cmdNums(6)")
        QCOMPARE(widget->toolTip(), QString("How many numbers do you want?"));
    if (QString(e.name) == "txtTimer")
        QVERIFY(static_cast<QLineEdit *>(widget)->alignment() & Qt::AlignRight);
}

void TestMainLayout::frontToBack()
{
    MainGame game(kFirstPuzzle, MainGame::Built);
    FrmMain &window = game.window;
    QWidget *client = window.centralWidget();
    // Children are painted in order, so a control listed earlier must come
    // later among the siblings.
    QStringList order;
    for (QObject *child : client->children())
        if (child->isWidgetType())
            order << child->objectName();
    auto position = [&](const char *name) { return order.indexOf(QString::fromLatin1(name)); };
    QVERIFY(position("cmdNums(2)") > position("Toolbar1"));
    QVERIFY(position("sbStatusBar") > position("lblPeeked"));
    QVERIFY(position("txtGuess(1)") > position("Frame2"));
    QVERIFY(position("Frame2") > position("Image1"));
    QVERIFY(position("txtNumber(1)") > position("Image1"));
    QCOMPARE(position("Image1"), 0);
    // The first one listed is in front of everything.
    QCOMPARE(order.last(), QString("cmdNums(6)"));
}

void TestMainLayout::operatorColourOnlyOnOperators()
{
    MainGame game(kFirstPuzzle, MainGame::Built);
    FrmMain &window = game.window;
    const auto widgets = window.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        widget->ensurePolished();
        const bool red = widget->palette().color(widget->backgroundRole()) == QColor(255, 0, 0);
        const QString name = widget->objectName();
        const bool isOperatorCell = name.startsWith("txtOp(") || name.startsWith("txtGuessOp(")
            || name.startsWith("txtAnswerOp(");
        QVERIFY2(red == isOperatorCell, qPrintable(name));
    }
}

void TestMainLayout::menuToolbarAndStatusBar()
{
    MainGame game(kFirstPuzzle, MainGame::Built);
    FrmMain &window = game.window;
    QCOMPARE(window.windowTitle(), QString("Figurewheel"));
    QCOMPARE(window.objectName(), QString("frmMain"));
    const auto actions = window.menuBar()->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions[0]->objectName(), QString("mnuBest"));
    QCOMPARE(actions[0]->text(), QString("Who's the Best?"));
    QCOMPARE(actions[1]->text(), QString("How Do I Play?"));
    QCOMPARE(actions[2]->text(), QString("Who Wrote Figurewheel?"));
    for (QAction *action : actions)
        QVERIFY(!action->menu());

    window.show();
    window.resize(ui::px(12000), ui::px(8000));
    QTest::qWait(20);
    QWidget *client = window.centralWidget();
    auto *toolbar = window.findChild<QToolBar *>("Toolbar1");
    auto *status = window.findChild<QStatusBar *>("sbStatusBar");
    QCOMPARE(toolbar->geometry(), QRect(0, 0, client->width(), ui::px(504)));
    QCOMPARE(toolbar->actions().size(), 0);
    QCOMPARE(
        status->geometry(), QRect(0, client->height() - ui::px(276), client->width(), ui::px(276)));
    // Nothing else moves when the window grows.
    QCOMPARE(window.findChild<QWidget *>("txtGuess(6)")->geometry(),
        ui::twipsRect(QRect(7440, 3480, 375, 495)));
    QVERIFY(!status->findChild<QLabel *>()->text().isEmpty());
}

void TestMainLayout::loadedWindow()
{
    MainGame game(kFirstPuzzle, MainGame::Loaded);
    FrmMain &window = game.window;
    QCOMPARE(window.size(), ui::twipsSize(9500, 7000));
    QCOMPARE(window.pos(), QPoint(ui::px(1000), ui::px(1000)));
    QCOMPARE(window.findChild<QLineEdit *>("txtNumber(0)")->text(), QString("22"));
    for (const char *hidden : {"txtAnswer(1)", "txtAnswerOp(5)", "lblPeeked", "lblHint1", "lblDone",
             "txtNumber(4)", "txtGuess(4)", "txtGuessOp(3)"})
        QVERIFY2(!window.findChild<QWidget *>(hidden)->isVisibleTo(&window), hidden);
}

QTEST_MAIN(TestMainLayout)
#include "tst_mainlayout.moc"
