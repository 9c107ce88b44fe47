#pragma once

#include <QLatin1String>

// Where each value lives in the settings store.
namespace fw::keys {

inline constexpr QLatin1String kApplication {"Figurewheel"};

inline constexpr QLatin1String kRecords {"Records"};
inline constexpr QLatin1String kBestTime {"BestTime"};
inline constexpr QLatin1String kBestPlayer {"BestPlayer"};
inline constexpr QLatin1String kTimesPlayed {"TimesPlayed"};

inline constexpr QLatin1String kSettings {"Settings"};
inline constexpr QLatin1String kMainLeft {"MainLeft"};
inline constexpr QLatin1String kMainTop {"MainTop"};
inline constexpr QLatin1String kMainWidth {"MainWidth"};
inline constexpr QLatin1String kMainHeight {"MainHeight"};

} // namespace fw::keys
