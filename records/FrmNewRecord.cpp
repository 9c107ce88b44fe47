#include "records/FrmNewRecord.h"

#include "records/Records.h"
#include "records/RecordWindow.h"
#include "ui/Colors.h"
#include "ui/ControlTable.h"
#include "ui/Translations.h"
#include "ui/Twips.h"

#include <QLineEdit>

namespace fw {

namespace {

using enum ui::ControlKind;

// The picture reaches past the client area on every side but the left.
// clang-format off
const std::array kControls{
    ui::ControlSpec{.kind = TextBox, .name = "txtName", .twips = {720, 3360, 2655, 375}, .text = "Text1", .spoken = QT_TRANSLATE_NOOP("Figurewheel", "Your name")},
    ui::ControlSpec{.name = "Label2", .twips = {720, 3000, 2895, 375}, .text = QT_TRANSLATE_NOOP("Figurewheel", "What's your name?"), .face = {13.8, true}, .color = ui::kDarkBlue},
    ui::ControlSpec{.name = "Label1", .twips = {240, 1320, 3855, 495}, .text = QT_TRANSLATE_NOOP("Figurewheel", "I see a new record!"), .face = {18, true, true}, .color = ui::kDarkBlue},
    ui::ControlSpec{.kind = Picture, .name = "Image1", .twips = {0, -120, 9600, 7065}, .resource = ":/pictures/splash.bmp", .spoken = QT_TRANSLATE_NOOP("Figurewheel", "A sailor looking out to sea")},
};
// clang-format on

} // namespace

FrmNewRecord::FrmNewRecord(Records &records, QWidget *parent)
    : QDialog(parent)
    , m_records(records)
{
    setUpRecordWindow(*this, QStringLiteral("frmNewRecord"), ui::Texts::tr("Congratulations!"),
        ui::twipsSize(7752, 3900));
    m_txtName = ui::buildControls(this, kControls).get<QLineEdit>("txtName");
    // Enter closes the window too, the way a player expects to finish typing.
    connect(m_txtName, &QLineEdit::returnPressed, this, &QDialog::close);
    Form_Load();
}

FrmNewRecord::~FrmNewRecord()
{
    // Every way of closing the window ends in its destruction; the field
    // still exists here, its children go only after this body.
    Form_Unload();
}

void FrmNewRecord::Form_Load()
{
    m_txtName->setText(m_records.gBestPlayer);
    m_txtName->setFocus();
}

void FrmNewRecord::Form_Unload()
{
    m_records.gBestPlayer = m_txtName->text();
}

void showNewRecordModal(Records &records)
{
    runModal(new FrmNewRecord(records));
}

} // namespace fw
