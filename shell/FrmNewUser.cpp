#include "shell/FrmNewUser.h"

#include "shell/ShellTexts.h"
#include "shell/Version.h"
#include "shell/WindowLayout.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace fw {

using ui::defaultFont;
using ui::gameFont;
using ui::twipsRect;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kDarkGrey(64, 64, 64);

} // namespace

FrmNewUser::FrmNewUser(MainWindowFactory createMain)
    : QWidget(nullptr, Qt::Window)
    , m_createMain(std::move(createMain))
{
    layOut();
    Form_Load();
}

void FrmNewUser::layOut()
{
    setObjectName(QStringLiteral("frmNewUser"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Thanks for Trying Figurewheel!"));
    setFont(defaultFont());
    resize(ui::twipsSize(7524, 5532));

    // The frame sits at the window's corner, so window and frame coordinates agree.
    QWidget *frame = shell::addFrame(this, QStringLiteral("fraMainFrame"), twipsRect(0, 0, 7380, 5412));

    m_command1 = new QPushButton(QStringLiteral("Click here to solve your own puzzle!"), frame);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(twipsRect(600, 4080, 5532, 372));
    m_command1->setFont(gameFont(13.8, true, true));
    connect(m_command1, &QPushButton::clicked, this, &FrmNewUser::Command1_Click);

    const auto label = [frame](const char *name, const QRect &rect, const QString &text, const QFont &font,
                               const QColor &color = QColor(), Qt::Alignment align = Qt::AlignLeft) {
        return shell::addTextLabel(frame, QString::fromLatin1(name), rect, text, font, color, align);
    };
    QLabel *quillmere = label("Quillmere", twipsRect(1680, 240, 4176, 552), QStringLiteral("Solve the Puzzle!"),
                              gameFont(24, true, true));
    m_lblVersion = label("lblVersion", twipsRect(240, 4920, 1488, 300), QStringLiteral("Test Version"),
                         gameFont(12, true), QColor(), Qt::AlignRight);
    QLabel *lblCopyright = label("lblCopyright", twipsRect(4440, 5040, 2772, 252), shell::makersNotice(),
                                 defaultFont());
    QLabel *label1 = label("Label1", twipsRect(360, 960, 4812, 252),
                           QStringLiteral("Can you add, subtract, multiply and divide these numbers:"),
                           defaultFont());
    QLabel *label2 = label("Label2", twipsRect(2520, 1560, 372, 372), QStringLiteral("5"), gameFont(13.8, true), kRed);
    QLabel *label3 = label("Label3", twipsRect(3840, 1560, 492, 372), QStringLiteral("2"), gameFont(13.8, true), kRed);
    QLabel *label4 = label("Label4", twipsRect(3120, 1560, 492, 372), QStringLiteral("1"), gameFont(13.8, true), kRed);
    QLabel *label5 = label("Label5", twipsRect(360, 2040, 4212, 252), QStringLiteral("To get this answer:"),
                           defaultFont());
    QLabel *label6 = label("Label6", twipsRect(3000, 2400, 612, 372), QStringLiteral("11"), gameFont(13.8, true),
                           kBlue);
    QLabel *label7 = label("Label7", twipsRect(360, 3120, 2772, 252), QStringLiteral("Here's the solution:"),
                           defaultFont());
    QLabel *label12 = label("Label12", twipsRect(2160, 3360, 3132, 372), QStringLiteral("5  x  2  +  1  =  11"),
                            gameFont(13.8, true), kRed);
    // Lies behind the button, which covers all of it but its right end.
    QLabel *label13 = label("Label13", twipsRect(600, 4080, 6732, 492), QStringLiteral("Now solve your own puzzle!"),
                            gameFont(13.8, true, true), kDarkGrey);

    shell::fitToText(quillmere);
    shell::fitToText(m_lblVersion);
    shell::stackFrontToBack({m_command1, quillmere, m_lblVersion, lblCopyright, label1, label2, label3, label4,
                             label5, label6, label7, label12, label13});
    shell::fitTextsToWidths(
        {lblCopyright, label1, label2, label3, label4, label5, label6, label7, label12, label13});

    shell::centreOnScreen(this);
}

void FrmNewUser::Form_Load()
{
    m_lblVersion->setText(versionText());
    shell::fitToText(m_lblVersion);
}

void FrmNewUser::Command1_Click()
{
    // A second click that arrives while the main window loads opens nothing more.
    if (std::exchange(m_handedOver, true))
        return;
    shell::handOverToMainWindow(this, m_createMain);
}

} // namespace fw
