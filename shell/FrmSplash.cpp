#include "shell/FrmSplash.h"

#include "shell/AuthorTexts.h"
#include "shell/Version.h"
#include "ui/ControlTable.h"
#include "ui/Fonts.h"
#include "ui/Placing.h"
#include "ui/Twips.h"
#include "ui/WindowSetUp.h"

#include <QLabel>
#include <QTimer>

#include <utility>

namespace fw {

namespace {

using enum ui::ControlKind;
using ui::Fit;

// Places are in the window's coordinates; the controls live in the frame.
// clang-format off
const std::array kControls{
    ui::ControlSpec{.kind = Picture, .name = "Image2", .twips = {240, 1320, 2760, 2172}, .resource = ":/pictures/splash.bmp", .spoken = QT_TRANSLATE_NOOP("Figurewheel", "A sailor looking out to sea")},
    ui::ControlSpec{.name = "Quillmere", .twips = {2160, 480, 3384, 552}, .text = "Figurewheel!", .face = {24, true, true}, .fit = Fit::ToText},
    ui::ControlSpec{.name = "lblPlatform", .twips = {3360, 1680, 3000, 360}, .text = kAuthorLine, .face = {13.8, true}, .align = Qt::AlignRight, .fit = Fit::ToText},
    ui::ControlSpec{.name = "lblVersion", .twips = {3360, 2280, 1488, 300}, .text = "Test Version", .face = {12, true}, .align = Qt::AlignRight, .fit = Fit::ToText},
    ui::ControlSpec{.name = "lblCopyright", .twips = {3360, 2880, 2772, 252}, .text = kMakersNotice},
};
// clang-format on

} // namespace

FrmSplash::FrmSplash(MainWindowFactory createMain)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_handOver(std::move(createMain))
{
    layOut();
    Form_Load();
}

void FrmSplash::layOut()
{
    ui::setUpWindow(*this, QStringLiteral("frmSplash"), QString());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ui::twipsSize(7452, 4764));

    // The frame holds every control; it starts just above the window so its
    // top edge is hidden.
    QWidget *frame = ui::buildControl(
        this, {.kind = Frame, .name = "fraMainFrame", .twips = {45, -15, 7380, 4590}});
    m_timer1 = new QTimer(frame);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setTimerType(Qt::PreciseTimer);
    connect(m_timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);

    m_lblVersion = ui::buildControls(frame, kControls, -frame->pos()).get<QLabel>("lblVersion");
    ui::centreOnScreen(this);
}

void FrmSplash::Form_Load()
{
    m_lblVersion->setText(versionText());
    ui::fitToText(m_lblVersion);
    m_timer1->start(500);
}

void FrmSplash::Timer1_Timer()
{
    // Loading the main window may take a while; the timer must not tick
    // again meanwhile and open a second one.
    m_timer1->stop();
    m_handOver.from(this);
}

} // namespace fw
