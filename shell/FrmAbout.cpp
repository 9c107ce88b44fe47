#include "shell/FrmAbout.h"

#include "shell/ShellTexts.h"
#include "shell/Version.h"
#include "shell/WindowLayout.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace fw {

using ui::defaultFont;
using ui::gameFont;
using ui::px;
using ui::twipsRect;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kLightGrey(192, 192, 192);

// A horizontal line from x1 to x2 (twips) at height y, `thickness` pixels thick.
QFrame *addLine(QWidget *parent, const QString &name, int x1, int x2, int y, int thickness, const QColor &color)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::NoFrame);
    line->setGeometry(px(x1), px(y), px(x2) - px(x1), thickness);
    ui::setBackground(line, color);
    return line;
}

// The icon in its grey box; the box takes the size of the picture it holds.
QLabel *addIconBox(QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setObjectName(QStringLiteral("picIcon"));
    box->setAccessibleName(QStringLiteral("Figurewheel pinwheel"));
    box->setGeometry(twipsRect(240, 240, 432, 432));
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::setBackground(box, kLightGrey);
    const QPixmap icon(QStringLiteral(":/pictures/about.ico"));
    if (!icon.isNull()) {
        box->setPixmap(icon);
        box->resize(icon.deviceIndependentSize().toSize());
    }
    return box;
}

} // namespace

FrmAbout::FrmAbout(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    layOut();
    Form_Load();
}

void FrmAbout::layOut()
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Figurewheel"));
    setFont(defaultFont());
    setSizeGripEnabled(false);
    setFixedSize(ui::twipsSize(5868, 3684));

    QLabel *picIcon = addIconBox(this);

    // The one button is both the default and the cancel button: Enter clicks
    // it, and Escape closes the box the same way.
    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(4245, 3000, 1467, 345));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);

    QLabel *label1 = shell::addTextLabel(this, QStringLiteral("Label1"), twipsRect(240, 3120, 2412, 252),
                                         shell::supportAddress(), defaultFont());
    QLabel *lblDescription =
        shell::addTextLabel(this, QStringLiteral("lblDescription"), twipsRect(1050, 1125, 4092, 1170),
                            QStringLiteral("Beta version for testing only!"), defaultFont(), kBlack);
    lblDescription->setWordWrap(true);
    m_lblTitle = shell::addTextLabel(this, QStringLiteral("lblTitle"), twipsRect(1050, 240, 4092, 480),
                                     QStringLiteral("Figurewheel!"), gameFont(18, true), kBlack);
    // An etched separator: a grey line with a white one just beneath it.
    QFrame *grey = addLine(this, QStringLiteral("Line1(1)"), 225, 5657, 2430, 1, QColor(128, 128, 128));
    QFrame *white = addLine(this, QStringLiteral("Line1(0)"), 240, 5657, 2445, 2, QColor(255, 255, 255));
    m_lblVersion = shell::addTextLabel(this, QStringLiteral("lblVersion"), twipsRect(1050, 780, 4092, 225),
                                       QStringLiteral("Version 7/22/01 "), defaultFont());
    QLabel *lblDisclaimer = shell::addTextLabel(this, QStringLiteral("lblDisclaimer"),
                                                twipsRect(240, 2760, 3876, 348), shell::invitation(),
                                                defaultFont(), kBlack);

    shell::stackFrontToBack(
        {picIcon, cmdOK, label1, lblDescription, m_lblTitle, grey, white, m_lblVersion, lblDisclaimer});
    shell::fitTextsToWidths({label1, lblDisclaimer});
}

void FrmAbout::Form_Load()
{
    m_lblVersion->setText(versionText());
    m_lblTitle->setText(applicationTitle());
    shell::fitTextsToWidths({m_lblTitle, m_lblVersion});
}

void FrmAbout::cmdOK_Click()
{
    accept();
}

void showAboutModal(QWidget *owner)
{
    // exec() centres the box on its owner and, as the box deletes itself on
    // close, destroys it before returning.
    auto *about = new FrmAbout(owner);
    about->exec();
}

} // namespace fw
