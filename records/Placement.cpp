#include "records/Placement.h"

#include "numbers/NumberText.h"
#include "records/SettingsStore.h"
#include "records/StoreKeys.h"

namespace fw {

namespace {

const QString kDefaultPosition = QStringLiteral("1000");

} // namespace

Placement readPlacement(const SettingsStore &store)
{
    // A stored position that is not a number falls back like a missing one.
    Placement placement;
    const auto read = [&](const QString &key, float fallback) {
        return strictNumber(store.read(keys::kSettings, key, kDefaultPosition).toStdString())
            .value_or(fallback);
    };
    placement.left = read(keys::kMainLeft, placement.left);
    placement.top = read(keys::kMainTop, placement.top);
    return placement;
}

void storePlacement(SettingsStore &store, float left, float top, float width, float height)
{
    store.write(keys::kSettings, keys::kMainLeft, QString::fromStdString(positionText(left)));
    store.write(keys::kSettings, keys::kMainTop, QString::fromStdString(positionText(top)));
    store.write(keys::kSettings, keys::kMainWidth, QString::fromStdString(positionText(width)));
    store.write(keys::kSettings, keys::kMainHeight, QString::fromStdString(positionText(height)));
}

} // namespace fw
