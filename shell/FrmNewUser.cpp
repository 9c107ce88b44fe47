#include "shell/FrmNewUser.h"

#include "shell/AuthorTexts.h"
#include "shell/Version.h"
#include "ui/Colors.h"
#include "ui/ControlTable.h"
#include "ui/Fonts.h"
#include "ui/Placing.h"
#include "ui/Translations.h"
#include "ui/Twips.h"
#include "ui/WindowSetUp.h"

#include <QLabel>
#include <QPushButton>

#include <utility>

namespace fw {

namespace {

using enum ui::ControlKind;
using ui::Fit;

constexpr ui::Face kExampleFace {13.8, true};

// clang-format off
const std::array kControls{
    ui::ControlSpec{.kind = Button, .name = "Command1", .twips = {600, 4080, 5532, 372}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Click here to solve your own puzzle!"), .face = {13.8, true, true}},
    ui::ControlSpec{.name = "Quillmere", .twips = {1680, 240, 4176, 552}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Solve the Puzzle!"), .face = {24, true, true}, .fit = Fit::ToText},
    ui::ControlSpec{.name = "lblVersion", .twips = {240, 4920, 1488, 300}, .text = "Test Version", .face = {12, true}, .align = Qt::AlignRight, .fit = Fit::ToText},
    ui::ControlSpec{.name = "lblCopyright", .twips = {4440, 5040, 2772, 252}, .text = kMakersNotice},
    ui::ControlSpec{.name = "Label1", .twips = {360, 960, 4812, 252}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Can you add, subtract, multiply and divide these numbers:")},
    ui::ControlSpec{.name = "Label2", .twips = {2520, 1560, 372, 372}, .text = "5", .face = kExampleFace, .color = ui::kRed},
    ui::ControlSpec{.name = "Label3", .twips = {3840, 1560, 492, 372}, .text = "2", .face = kExampleFace, .color = ui::kRed},
    ui::ControlSpec{.name = "Label4", .twips = {3120, 1560, 492, 372}, .text = "1", .face = kExampleFace, .color = ui::kRed},
    ui::ControlSpec{.name = "Label5", .twips = {360, 2040, 4212, 252}, .text = QT_TRANSLATE_NOOP("Figurewheel", "To get this answer:")},
    ui::ControlSpec{.name = "Label6", .twips = {3000, 2400, 612, 372}, .text = "11", .face = kExampleFace, .color = ui::kBlue},
    ui::ControlSpec{.name = "Label7", .twips = {360, 3120, 2772, 252}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Here's the solution:")},
    ui::ControlSpec{.name = "Label12", .twips = {2160, 3360, 3132, 372}, .text = "5  x  2  +  1  =  11", .face = kExampleFace, .color = ui::kRed},
    // Lies behind the button, which covers all of it but its right end.
    ui::ControlSpec{.name = "Label13", .twips = {600, 4080, 6732, 492}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Now solve your own puzzle!"), .face = {13.8, true, true}, .color = ui::kDarkGrey},
};
// clang-format on

} // namespace

FrmNewUser::FrmNewUser(MainWindowFactory createMain)
    : QWidget(nullptr, Qt::Window)
    , m_handOver(std::move(createMain))
{
    layOut();
    Form_Load();
}

void FrmNewUser::layOut()
{
    ui::setUpWindow(
        *this, QStringLiteral("frmNewUser"), ui::Texts::tr("Thanks for Trying Figurewheel!"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(ui::twipsSize(7524, 5532));

    // The frame sits at the window's corner, so window and frame coordinates agree.
    QWidget *frame = ui::buildControl(
        this, {.kind = Frame, .name = "fraMainFrame", .twips = {0, 0, 7380, 5412}});
    const ui::BuiltControls controls = ui::buildControls(frame, kControls);
    m_lblVersion = controls.get<QLabel>("lblVersion");
    // Enter presses the button too, as Space does, the way a button that
    // closes a window answers the keyboard.
    auto *command1 = controls.get<QPushButton>("Command1");
    command1->setAutoDefault(true);
    connect(command1, &QPushButton::clicked, this, &FrmNewUser::Command1_Click);
    ui::centreOnScreen(this);
}

void FrmNewUser::Form_Load()
{
    m_lblVersion->setText(versionText());
    ui::fitToText(m_lblVersion);
}

void FrmNewUser::Command1_Click()
{
    m_handOver.from(this);
}

} // namespace fw
