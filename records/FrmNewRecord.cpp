#include "records/FrmNewRecord.h"

#include "records/Records.h"
#include "records/RecordWindow.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

namespace fw {

namespace {

const QColor kDarkBlue(0, 0, 192);

} // namespace

FrmNewRecord::FrmNewRecord(Records &records, QWidget *parent)
    : QDialog(parent)
    , m_records(records)
{
    setUpRecordWindow(*this, QStringLiteral("frmNewRecord"), QStringLiteral("Congratulations!"),
        ui::twipsSize(7752, 3900));

    // Created back to front: each control covers the ones made before it.
    // The picture reaches past the client area on every side but the left.
    ui::addPicture(this, QStringLiteral("Image1"), ui::twipsRect(0, -120, 9600, 7065),
                   QStringLiteral(":/pictures/splash.bmp"), QStringLiteral("A sailor looking out to sea"));

    ui::fitTextToWidth(
        ui::addLabel(this, QStringLiteral("Label1"), ui::twipsRect(240, 1320, 3855, 495),
            QStringLiteral("I see a new record!"), ui::gameFont(18, true, true), kDarkBlue));
    ui::fitTextToWidth(
        ui::addLabel(this, QStringLiteral("Label2"), ui::twipsRect(720, 3000, 2895, 375),
            QStringLiteral("What's your name?"), ui::gameFont(13.8, true), kDarkBlue));

    m_txtName = new QLineEdit(QStringLiteral("Text1"), this);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setAccessibleName(QStringLiteral("Your name"));
    m_txtName->setGeometry(ui::twipsRect(720, 3360, 2655, 375));
    m_txtName->setFont(ui::defaultFont());
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
