#include "records/Records.h"

#include "numbers/NumberText.h"
#include "numbers/Saturating.h"
#include "records/SettingsStore.h"
#include "records/StoreKeys.h"

namespace fw {

namespace {

constexpr std::int16_t kNoRecordTime = 999;
const QString kNoRecordHolder = QStringLiteral("Nobody");

} // namespace

std::int16_t readLaunchCount(const SettingsStore &store)
{
    return lenientInt16(store.read(keys::kRecords, keys::kTimesPlayed).toStdString());
}

void loadRecords(Records &records, SettingsStore &store)
{
    // Held from the first read to the last write, so that two copies started
    // together neither reset the records twice nor count one launch.
    const auto lock = store.lockForUpdate();

    records.gBestTime = lenientInt16(store.read(keys::kRecords, keys::kBestTime).toStdString());
    if (records.gBestTime < 1) {
        // A first start, or the record was lost: start all three afresh.
        records.gBestTime = kNoRecordTime;
        store.write(keys::kRecords, keys::kBestTime, QString::number(kNoRecordTime));
        store.write(keys::kRecords, keys::kBestPlayer, kNoRecordHolder);
        store.write(keys::kRecords, keys::kTimesPlayed, QStringLiteral("0"));
    }
    records.gBestPlayer = store.read(keys::kRecords, keys::kBestPlayer);

    // A counter that is not a number starts again from 0.
    records.gTimesPlayed
        = strictInt16(store.read(keys::kRecords, keys::kTimesPlayed).toStdString()).value_or(0);
    store.write(
        keys::kRecords, keys::kTimesPlayed, QString::number(raisedByOne(records.gTimesPlayed)));
}

} // namespace fw
