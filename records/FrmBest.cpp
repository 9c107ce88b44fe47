#include "records/FrmBest.h"

#include "records/Records.h"
#include "records/RecordWindow.h"
#include "ui/Colors.h"
#include "ui/ControlTable.h"
#include "ui/Fonts.h"
#include "ui/Translations.h"
#include "ui/Twips.h"

#include <QLabel>

namespace fw {

namespace {

using enum ui::ControlKind;
constexpr ui::Face kFace {24, true, true};

// "seconds" covers the time's right edge.
// clang-format off
const std::array kControls{
    ui::ControlSpec{.name = "Label1", .twips = {2880, 1440, 2055, 615}, .text = QT_TRANSLATE_NOOP("Figurewheel", "seconds"), .face = kFace, .color = ui::kDarkRed},
    ui::ControlSpec{.name = "lblBestTime", .twips = {1680, 1440, 1215, 615}, .text = "00", .face = kFace, .color = ui::kDarkRed},
    ui::ControlSpec{.name = "lblBestPlayer", .twips = {120, 600, 5415, 495}, .text = "Me", .face = kFace, .color = ui::kDarkRed},
};
// clang-format on

} // namespace

FrmBest::FrmBest(const Records &records, QWidget *parent)
    : QDialog(parent)
{
    setUpRecordWindow(
        *this, QStringLiteral("frmBest"), ui::Texts::tr("Who's Best?"), ui::twipsSize(5796, 3288));
    ui::setBackground(this, ui::kDarkBlue);
    const ui::BuiltControls controls = ui::buildControls(this, kControls);

    // Form_Load: the values of this moment; a name is shown as typed.
    auto *time = controls.get<QLabel>("lblBestTime");
    auto *player = controls.get<QLabel>("lblBestPlayer");
    player->setText(records.gBestPlayer);
    time->setText(QString::number(records.gBestTime));
    ui::fitTextToWidth(player);
    ui::fitTextToWidth(time);
}

void showBestModal(const Records &records)
{
    runModal(new FrmBest(records));
}

} // namespace fw
