#include "records/FrmBest.h"

#include "core/NumberText.h"
#include "records/Records.h"
#include "records/RecordWindow.h"
#include "ui/Twips.h"

#include <QLabel>

namespace fw {

namespace {

const QColor kDarkBlue(0, 0, 192);
const QColor kDarkRed(192, 0, 0);

} // namespace

FrmBest::FrmBest(const Records &records, QWidget *parent)
    : QDialog(parent)
{
    setUpRecordWindow(
        *this, QStringLiteral("frmBest"), QStringLiteral("Who's Best?"), ui::twipsSize(5796, 3288));
    ui::setBackground(this, kDarkBlue);

    // Created back to front: "seconds" covers the time's right edge.
    const QFont font = ui::gameFont(24, true, true);
    auto *player = ui::addLabel(this, QStringLiteral("lblBestPlayer"),
        ui::twipsRect(120, 600, 5415, 495), QStringLiteral("Me"), font, kDarkRed);
    auto *time = ui::addLabel(this, QStringLiteral("lblBestTime"),
        ui::twipsRect(1680, 1440, 1215, 615), QStringLiteral("00"), font, kDarkRed);
    auto *seconds = ui::addLabel(this, QStringLiteral("Label1"),
        ui::twipsRect(2880, 1440, 2055, 615), QStringLiteral("seconds"), font, kDarkRed);

    // Form_Load: the values of this moment. A name is shown as typed, never
    // read as markup.
    player->setTextFormat(Qt::PlainText);
    player->setText(records.gBestPlayer);
    time->setText(QString::fromStdString(decimalText(records.gBestTime)));
    for (QLabel *label : { player, time, seconds })
        ui::fitTextToWidth(label);
}

void showBestModal(const Records &records)
{
    runModal(new FrmBest(records));
}

} // namespace fw
