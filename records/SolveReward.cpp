#include "records/SolveReward.h"

#include "core/NumberText.h"
#include "records/FrmHooray.h"
#include "records/FrmNewRecord.h"
#include "records/SettingsStore.h"
#include "records/StoreKeys.h"

#include <QPointer>
#include <QWidget>

namespace fw {

namespace {

constexpr double kShortestRecord = 1.0;

void show(const std::function<void()> &window)
{
    if (window)
        window();
}

} // namespace

RewardWindows modalRewardWindows(Records &records, SoundPlayer &sound, QWidget *centreOn)
{
    // The owner may go away while the reward waits; centre on it only while it exists.
    QPointer<QWidget> owner(centreOn);
    return RewardWindows {
        [&sound, owner] { showHoorayModal(sound, owner.data()); },
        [&records] { showNewRecordModal(records); },
    };
}

void runSolveReward(
    Records &records, SettingsStore &store, const QString &clockText, const RewardWindows &windows)
{
    show(windows.showHooray);

    const double solveTime = leadingNumber(clockText.toStdString());
    if (solveTime >= kShortestRecord && solveTime < records.gBestTime) {
        records.gBestTime = roundToInt16(solveTime);
        store.write(keys::kRecords, keys::kBestTime,
            QString::fromStdString(decimalText(records.gBestTime)));
        show(windows.showNewRecord);
    }
    store.write(keys::kRecords, keys::kBestPlayer, records.gBestPlayer);
}

} // namespace fw
