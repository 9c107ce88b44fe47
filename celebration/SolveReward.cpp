#include "celebration/SolveReward.h"

#include "celebration/FrmHooray.h"
#include "records/FrmNewRecord.h"
#include "records/SettingsStore.h"
#include "records/StoreKeys.h"

#include <QPointer>
#include <QWidget>

namespace fw {

namespace {

constexpr std::int16_t kShortestRecord = 1;

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
    Records &records, SettingsStore &store, std::int16_t solveSecs, const RewardWindows &windows)
{
    if (windows.showHooray)
        windows.showHooray();

    if (solveSecs >= kShortestRecord && solveSecs < records.gBestTime) {
        records.gBestTime = solveSecs;
        store.write(keys::kRecords, keys::kBestTime, QString::number(records.gBestTime));
        if (windows.showNewRecord)
            windows.showNewRecord();
    }
    store.write(keys::kRecords, keys::kBestPlayer, records.gBestPlayer);
}

} // namespace fw
