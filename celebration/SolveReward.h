#pragma once

#include "records/Records.h"

#include <functional>

class QWidget;

namespace fw {

class SettingsStore;
class SoundPlayer;

// The windows the reward opens; each call shows its window modally and
// returns when the player has closed it.
struct RewardWindows {
    std::function<void()> showHooray;
    std::function<void()> showNewRecord;
};

// The real windows: the celebration (centred on `centreOn` when given)
// playing through `sound`, and the name window working on `records`.
RewardWindows modalRewardWindows(Records &records, SoundPlayer &sound, QWidget *centreOn = nullptr);

// The end of every solve: the celebration first; then, when the second the
// clock shows is at least 1 and less than the best time, the new best time
// is stored and the name window opens with the previous holder; in every
// case the holder is stored last. A clock that has not ticked yet (its "00"
// right after the window opens) is no record: a best time of 0 would read
// as a lost record at the next start and wipe them all.
void runSolveReward(
    Records &records, SettingsStore &store, std::int16_t solveSecs, const RewardWindows &windows);

} // namespace fw
