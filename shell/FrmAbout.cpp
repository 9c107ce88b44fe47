#include "shell/FrmAbout.h"

#include "shell/AuthorTexts.h"
#include "shell/Version.h"
#include "ui/Colors.h"
#include "ui/ControlTable.h"
#include "ui/Fonts.h"
#include "ui/Translations.h"
#include "ui/Twips.h"
#include "ui/WindowSetUp.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace fw {

namespace {

using enum ui::ControlKind;
using ui::Fit;

// An etched separator is a grey line with a white one just beneath it.
// clang-format off
const std::array kControls{
    ui::ControlSpec{.kind = Picture, .name = "picIcon", .twips = {240, 240, 432, 432}, .background = ui::kLightGrey, .spoken = QT_TRANSLATE_NOOP("Figurewheel", "Figurewheel pinwheel")},
    ui::ControlSpec{.kind = Button, .name = "cmdOK", .twips = {4245, 3000, 1467, 345}, .text = QT_TRANSLATE_NOOP("Figurewheel", "OK")},
    ui::ControlSpec{.name = "Label1", .twips = {240, 3120, 2412, 252}, .text = kSupportAddress},
    ui::ControlSpec{.name = "lblDescription", .twips = {1050, 1125, 4092, 1170}, .text = QT_TRANSLATE_NOOP("Figurewheel", "Beta version for testing only!"), .color = ui::kBlack, .fit = Fit::None},
    ui::ControlSpec{.name = "lblTitle", .twips = {1050, 240, 4092, 480}, .text = "Figurewheel!", .face = {18, true}, .color = ui::kBlack},
    ui::ControlSpec{.kind = Line, .name = "Line1(1)", .twips = {225, 2430, 5432, 15}, .background = ui::kGrey},
    ui::ControlSpec{.kind = Line, .name = "Line1(0)", .twips = {240, 2445, 5417, 30}, .background = ui::kWhite},
    ui::ControlSpec{.name = "lblVersion", .twips = {1050, 780, 4092, 225}, .text = "Version 7/22/01 "},
    ui::ControlSpec{.name = "lblDisclaimer", .twips = {240, 2760, 3876, 348}, .text = kInvitation, .color = ui::kBlack},
};
// clang-format on

} // namespace

FrmAbout::FrmAbout(QWidget *owner)
    : QDialog(owner,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    layOut();
    Form_Load();
}

void FrmAbout::layOut()
{
    ui::setUpWindow(*this, QStringLiteral("frmAbout"), ui::Texts::tr("About Figurewheel"));
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(false);
    setFixedSize(ui::twipsSize(5868, 3684));

    const ui::BuiltControls controls = ui::buildControls(this, kControls);
    // The icon's grey box takes the size of the picture it holds.
    auto *picIcon = controls.get<QLabel>("picIcon");
    picIcon->setScaledContents(false);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (const QPixmap icon(QStringLiteral(":/pictures/about.ico")); !icon.isNull()) {
        picIcon->setPixmap(icon);
        picIcon->resize(icon.deviceIndependentSize().toSize());
    }
    // The one button is both the default and the cancel button: Enter clicks
    // it, and Escape closes the box the same way.
    auto *cmdOK = controls.get<QPushButton>("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    controls.get<QLabel>("lblDescription")->setWordWrap(true);
    m_lblTitle = controls.get<QLabel>("lblTitle");
    m_lblVersion = controls.get<QLabel>("lblVersion");
}

void FrmAbout::Form_Load()
{
    m_lblVersion->setText(versionText());
    m_lblTitle->setText(applicationTitle());
    ui::fitTextToWidth(m_lblTitle);
    ui::fitTextToWidth(m_lblVersion);
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
