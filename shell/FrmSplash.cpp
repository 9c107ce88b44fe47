#include "shell/FrmSplash.h"

#include "shell/ShellTexts.h"
#include "shell/Version.h"
#include "shell/WindowLayout.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <utility>

namespace fw {

using ui::defaultFont;
using ui::gameFont;
using ui::twipsRect;

FrmSplash::FrmSplash(MainWindowFactory createMain)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_createMain(std::move(createMain))
{
    layOut();
    Form_Load();
}

void FrmSplash::layOut()
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(defaultFont());
    setFixedSize(ui::twipsSize(7452, 4764));

    // The frame holds every control; it starts just above the window so its
    // top edge is hidden. Controls are placed in window coordinates.
    m_fraMainFrame = shell::addFrame(this, QStringLiteral("fraMainFrame"), twipsRect(45, -15, 7380, 4590));
    const QPoint origin = m_fraMainFrame->pos();
    const auto inFrame = [origin](int left, int top, int width, int height) {
        return twipsRect(left, top, width, height).translated(-origin);
    };

    m_timer1 = new QTimer(m_fraMainFrame);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setTimerType(Qt::PreciseTimer);
    connect(m_timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);

    QWidget *image2 = ui::addPicture(m_fraMainFrame, QStringLiteral("Image2"), inFrame(240, 1320, 2760, 2172),
                                     QStringLiteral(":/pictures/splash.bmp"),
                                     QStringLiteral("A sailor looking out to sea"));
    QLabel *quillmere = shell::addTextLabel(m_fraMainFrame, QStringLiteral("Quillmere"),
                                            inFrame(2160, 480, 3384, 552), QStringLiteral("Figurewheel!"),
                                            gameFont(24, true, true));
    QLabel *lblPlatform = shell::addTextLabel(m_fraMainFrame, QStringLiteral("lblPlatform"),
                                              inFrame(3360, 1680, 3000, 360), shell::authorLine(),
                                              gameFont(13.8, true), QColor(), Qt::AlignRight);
    m_lblVersion = shell::addTextLabel(m_fraMainFrame, QStringLiteral("lblVersion"),
                                       inFrame(3360, 2280, 1488, 300), QStringLiteral("Test Version"),
                                       gameFont(12, true), QColor(), Qt::AlignRight);
    QLabel *lblCopyright = shell::addTextLabel(m_fraMainFrame, QStringLiteral("lblCopyright"),
                                               inFrame(3360, 2880, 2772, 252), shell::makersNotice(),
                                               defaultFont());
    shell::fitToText(quillmere);
    shell::fitToText(lblPlatform);
    shell::fitToText(m_lblVersion);
    shell::stackFrontToBack({image2, quillmere, lblPlatform, m_lblVersion, lblCopyright});
    shell::fitTextsToWidths({lblCopyright});

    shell::centreOnScreen(this);
}

void FrmSplash::Form_Load()
{
    m_lblVersion->setText(versionText());
    shell::fitToText(m_lblVersion);
    m_timer1->start(500);
}

void FrmSplash::Timer1_Timer()
{
    // Loading the main window may take a while; the timer must not tick
    // again meanwhile and open a second one.
    m_timer1->stop();
    if (std::exchange(m_handedOver, true))
        return;
    shell::handOverToMainWindow(this, m_createMain);
}

} // namespace fw
