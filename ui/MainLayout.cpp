// The main window's controls: places, colours, fonts and first texts, in
// twips as designed. Controls are created front to back and stacked so that
// the first one listed covers the ones after it.
#include "ui/FrmMain.h"

#include "ui/CellBox.h"
#include "ui/CellMime.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

namespace fw {

using namespace ui;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kLightYellow(255, 255, 128);
const QColor kDarkBlue(0, 0, 192);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kCyan(0, 255, 255);
const QColor kLightGrey(192, 192, 192);
const QColor kDarkGreen(0, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kDarkRed(192, 0, 0);
// The system's inactive-border colour of the classic desktop scheme.
const QColor kInactiveBorder(212, 208, 200);

// The client area keeps every control where it was laid out; only the
// toolbar strip and the status bar follow its width, docked top and bottom.
class ClientArea : public QWidget {
public:
    using QWidget::QWidget;
    QToolBar *toolbar = nullptr;
    QStatusBar *statusBar = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (toolbar)
            toolbar->setGeometry(0, 0, width(), px(504));
        if (statusBar)
            statusBar->setGeometry(0, height() - px(276), width(), px(276));
    }
};

CellBox *addCell(QWidget *parent, const QString &name, const QRect &rect, const QString &text,
                 const QColor &background, const QColor &textColor, const QFont &font)
{
    auto *cell = new CellBox(name, parent);
    cell->setGeometry(rect);
    cell->setText(text);
    cell->setFont(font);
    if (background.isValid())
        setBackground(cell, background);
    if (textColor.isValid())
        setTextColor(cell, textColor);
    return cell;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QRect &rect,
                       const QString &text, const QFont &font)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    button->setFont(font);
    return button;
}

// What a screen reader says for each cell; the cell's text is its value.
QString spokenName(const QString &name)
{
    const auto parts = splitIndexedName(name);
    if (!parts)
        return name == QLatin1String("txtCurrentTotal") ? QStringLiteral("Running total")
                                                         : QStringLiteral("Clock");
    const auto &[array, index] = *parts;
    if (array == QLatin1String("txtNumber"))
        return index == 0 ? QStringLiteral("Target") : QStringLiteral("Number %1 of the pool").arg(index);
    if (array == QLatin1String("txtGuess"))
        return QStringLiteral("Your guess, cell %1").arg(index);
    if (array == QLatin1String("txtGuessOp"))
        return QStringLiteral("Operator between cells %1 and %2").arg(index).arg(index + 1);
    if (array == QLatin1String("txtAnswer"))
        return QStringLiteral("Solution, cell %1").arg(index);
    if (array == QLatin1String("txtAnswerOp"))
        return QStringLiteral("Solution, operator between cells %1 and %2").arg(index).arg(index + 1);
    static const char *const operators[] = {"minus", "plus", "", "divide", "times"};
    return QStringLiteral("Operator %1, drag it into your guess").arg(QLatin1String(operators[index]));
}

} // namespace

void FrmMain::buildLayout()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Figurewheel"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto *menu = menuBar();
    menu->setObjectName(QStringLiteral("menuBar"));
    const std::array<std::pair<const char *, const char *>, 3> entries{{
        {"mnuBest", "Who's the Best?"},
        {"mnuHelp", "How Do I Play?"},
        {"mnuHelpAbout", "Who Wrote Figurewheel?"},
    }};
    for (const auto &[name, caption] : entries) {
        QAction *action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
    }

    auto *client = new ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    m_client = client;
    setCentralWidget(client);

    // Stacking order, front first; filled as the controls are made.
    QList<QWidget *> frontToBack;
    auto front = [&](QWidget *widget) { frontToBack.append(widget); return widget; };

    const std::array<int, 7> numsLeft{0, 0, 120, 600, 1080, 1560, 2040};
    for (int n = 6; n >= 2; --n) {
        m_cmdNums[n] = addButton(client, indexedName(QStringLiteral("cmdNums"), n),
                                 twipsRect(numsLeft[n], 0, 492, 372), QString::number(n),
                                 gameFont(13.8));
        front(m_cmdNums[n]);
    }
    m_cmdNums[6]->setToolTip(QStringLiteral("How many numbers do you want?"));

    m_toolbar = new QToolBar(client);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setAutoFillBackground(true);
    m_toolbar->setGeometry(twipsRect(0, 0, 9504, 504));
    client->toolbar = m_toolbar;
    front(m_toolbar);

    auto *hooray = addButton(client, QStringLiteral("cmdHoorayTest"), twipsRect(7920, 2160, 1095, 495),
                             QStringLiteral("Hooray"), defaultFont());
    hooray->hide();
    front(hooray);

    // The operator palette: "+" and "X" above "--" and " /".
    const std::array<QRect, 5> opRect{twipsRect(6000, 1560, 315, 345), twipsRect(6000, 1200, 315, 345),
                                      QRect(), twipsRect(6360, 1560, 315, 345),
                                      twipsRect(6360, 1200, 315, 345)};
    for (int index : {4, 3, 0, 1}) {
        m_txtOp[index] = addCell(client, indexedName(QStringLiteral("txtOp"), index), opRect[index],
                                 QString::fromStdString(m_puzzle.txtOp[index].text), kRed, QColor(),
                                 gameFont(12, true));
        m_txtOp[index]->setDragSource(true);
        front(m_txtOp[index]);
    }

    m_cmdHint = addButton(client, QStringLiteral("cmdHint"), twipsRect(240, 5160, 1095, 495),
                          QStringLiteral("Hint"), defaultFont());
    front(m_cmdHint);
    m_cmdAnswers = addButton(client, QStringLiteral("cmdAnswers"), twipsRect(240, 4680, 1095, 495),
                             QStringLiteral("Answer"), defaultFont());
    front(m_cmdAnswers);

    const std::array<int, 7> answerLeft{0, 1800, 2925, 4080, 5190, 6315, 7440};
    for (int k = 1; k <= 6; ++k) {
        m_txtAnswer[k] = addCell(client, indexedName(QStringLiteral("txtAnswer"), k),
                                 twipsRect(answerLeft[k], 4680, 375, 495),
                                 QString::fromStdString(m_puzzle.txtAnswer[k].text), kBlue,
                                 kLightYellow, gameFont(18, true));
        front(m_txtAnswer[k]);
    }
    const std::array<int, 6> opLeft{0, 2400, 3480, 4680, 5880, 6960};
    for (int j = 1; j <= 5; ++j) {
        m_txtAnswerOp[j] = addCell(client, indexedName(QStringLiteral("txtAnswerOp"), j),
                                   twipsRect(opLeft[j], 4800, 315, 345),
                                   QString::fromStdString(m_puzzle.txtAnswerOp[j].text), kRed,
                                   QColor(), gameFont(12, true));
        front(m_txtAnswerOp[j]);
    }

    m_txtCurrentTotal = addCell(client, QStringLiteral("txtCurrentTotal"), twipsRect(8160, 3360, 1335, 615),
                                QString(), kDarkBlue, kLightYellow, gameFont(24, true));
    front(m_txtCurrentTotal);

    for (int j = 5; j >= 1; --j) {
        m_txtGuessOp[j] = addCell(client, indexedName(QStringLiteral("txtGuessOp"), j),
                                  twipsRect(opLeft[j], 3600, 315, 345), QString(), kRed, QColor(),
                                  gameFont(12, true));
        m_txtGuessOp[j]->setDropTarget(true);
        front(m_txtGuessOp[j]);
    }
    const std::array<int, 7> guessLeft{0, 1800, 2880, 4080, 5184, 6312, 7440};
    for (int i = 6; i >= 1; --i) {
        m_txtGuess[i] = addCell(client, indexedName(QStringLiteral("txtGuess"), i),
                                twipsRect(guessLeft[i], 3480, 375, 495), QString(), kBlue, kLightYellow,
                                gameFont(18, true));
        m_txtGuess[i]->setDropTarget(true);
        front(m_txtGuess[i]);
    }

    m_txtTimer = addCell(client, QStringLiteral("txtTimer"), twipsRect(240, 1200, 1095, 675),
                         QStringLiteral("00"), QColor(), kRed, gameFont(24));
    m_txtTimer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    front(m_txtTimer);

    struct PoolCell {
        int left, top;
        QColor color;
    };
    const std::array<PoolCell, 7> poolCells{{{8040, 1200, kLightGrey},
                                             {3480, 1200, kYellow},
                                             {3000, 1440, kGreen},
                                             {3960, 960, kCyan},
                                             {3960, 1440, kCyan},
                                             {4440, 1200, kGreen},
                                             {4920, 1440, kYellow}}};
    for (int k = 6; k >= 1; --k) {
        m_txtNumber[k] = addCell(client, indexedName(QStringLiteral("txtNumber"), k),
                                 twipsRect(poolCells[k].left, poolCells[k].top, 375, 495),
                                 QString::fromStdString(m_puzzle.txtNumber[k].text), poolCells[k].color,
                                 QColor(), gameFont(18, true));
        m_txtNumber[k]->setDragSource(true);
        m_txtNumber[k]->setDropTarget(true);
        front(m_txtNumber[k]);
    }
    m_txtNumber[0] = addCell(client, QStringLiteral("txtNumber(0)"), twipsRect(8040, 1200, 1335, 495),
                             QString::fromStdString(m_puzzle.txtNumber[0].text), kLightGrey, QColor(),
                             gameFont(24, true));
    m_txtNumber[0]->setDropTarget(true);
    front(m_txtNumber[0]);

    m_cmdNew = addButton(client, QStringLiteral("cmdNew"), twipsRect(240, 720, 1095, 495),
                         QStringLiteral("New Game"), defaultFont());
    setBackground(m_cmdNew, kInactiveBorder);
    {
        QPalette palette = m_cmdNew->palette();
        palette.setColor(QPalette::Button, kInactiveBorder);
        m_cmdNew->setPalette(palette);
    }
    front(m_cmdNew);

    m_statusBar = new QStatusBar(client);
    m_statusBar->setObjectName(QStringLiteral("sbStatusBar"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setAutoFillBackground(true);
    auto *greeting = new QLabel(QStringLiteral("Welcome to Figurewheel! Make the target and beat the clock. - Fig W."),
                                m_statusBar);
    greeting->setObjectName(QStringLiteral("sbGreeting"));
    greeting->setFont(defaultFont());
    m_statusBar->addWidget(greeting, 1);
    m_statusBar->setGeometry(twipsRect(0, 6372, 9504, 276));
    client->statusBar = m_statusBar;
    front(m_statusBar);

    auto *frame = new QGroupBox(QStringLiteral("Your Guess"), client);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(twipsRect(1560, 3120, 6495, 1095));
    frame->setFont(defaultFont());
    setBackground(frame, kLightYellow);
    front(frame);

    front(addLabel(client, QStringLiteral("Label2"), twipsRect(8040, 600, 1452, 372),
                   QStringLiteral("To make this"), gameFont(13.8, true), kRed));
    front(addLabel(client, QStringLiteral("Label1"), twipsRect(3360, 600, 2652, 372),
                   QStringLiteral("Combine these"), gameFont(12, true), kRed));
    m_lblDone = addLabel(client, QStringLiteral("lblDone"), twipsRect(1680, 2160, 4812, 852),
                         QString::fromStdString(m_puzzle.lblDone.text), gameFont(24, true, true), kDarkGreen);
    m_lblDone->hide();
    front(m_lblDone);
    m_lblHint3 = addLabel(client, QStringLiteral("lblHint3"), twipsRect(3960, 5280, 855, 495),
                          QStringLiteral("1"), gameFont(18, false, true), kNavy);
    m_lblHint3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    front(m_lblHint3);
    m_lblHint2 = addLabel(client, QStringLiteral("lblHint2"), twipsRect(4800, 5280, 1095, 375),
                          QStringLiteral("hints"), gameFont(18, false, true), kNavy);
    front(m_lblHint2);
    m_lblHint1 = addLabel(client, QStringLiteral("lblHint1"), twipsRect(1800, 5280, 2175, 375),
                          QStringLiteral("You've used"), gameFont(18, false, true), kNavy);
    front(m_lblHint1);
    m_lblPeeked = addLabel(client, QStringLiteral("lblPeeked"), twipsRect(5520, 6360, 3975, 735),
                           QStringLiteral("You peeked!"), gameFont(24, true, true), kDarkRed);
    front(m_lblPeeked);
    for (QLabel *label : {m_lblDone, m_lblHint1, m_lblHint2, m_lblHint3, m_lblPeeked})
        label->setAlignment(label->alignment() | Qt::AlignTop);
    for (QLabel *label : client->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        fitTextToWidth(label);
    for (CellBox *cell : client->findChildren<CellBox *>(Qt::FindDirectChildrenOnly))
        cell->setAccessibleName(spokenName(cell->objectName()));
    for (int n = 2; n <= 6; ++n) {
        m_cmdNums[n]->setAccessibleName(QStringLiteral("%1 numbers").arg(n));
        m_cmdNums[n]->setAccessibleDescription(QStringLiteral("How many numbers do you want?"));
    }


    front(addPicture(client, QStringLiteral("Image1"), twipsRect(0, 0, 9612, 7212),
                     QStringLiteral(":/pictures/background.bmp"), QStringLiteral("Background picture")));

    for (auto it = frontToBack.crbegin(); it != frontToBack.crend(); ++it)
        (*it)->raise();

    // Keyboard focus follows the designed tab order.
    const QList<QWidget *> tabOrder{
        m_cmdNew, m_txtNumber[0], m_txtNumber[1], m_txtNumber[2], m_txtNumber[3], m_txtNumber[4],
        m_txtNumber[5], m_txtNumber[6], m_txtTimer, m_txtGuess[1], m_txtGuess[2], m_txtGuess[3],
        m_txtGuess[4], m_txtGuess[5], m_txtGuess[6], m_txtGuessOp[1], m_txtGuessOp[2],
        m_txtGuessOp[3], m_txtGuessOp[4], m_txtGuessOp[5], m_txtCurrentTotal, m_txtAnswerOp[5],
        m_txtAnswerOp[4], m_txtAnswerOp[3], m_txtAnswerOp[2], m_txtAnswerOp[1], m_txtAnswer[6],
        m_txtAnswer[5], m_txtAnswer[4], m_txtAnswer[3], m_txtAnswer[2], m_txtAnswer[1],
        m_cmdAnswers, m_cmdHint, m_txtOp[1], m_txtOp[0], m_txtOp[3], m_txtOp[4], hooray,
        m_cmdNums[2], m_cmdNums[3], m_cmdNums[4], m_cmdNums[5], m_cmdNums[6]};
    for (qsizetype n = 1; n < tabOrder.size(); ++n)
        setTabOrder(tabOrder[n - 1], tabOrder[n]);

    client->setMinimumSize(0, 0);
    client->resize(twipsSize(9504, 6648));
}

} // namespace fw
