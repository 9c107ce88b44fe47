#pragma once

#include <QtGlobal>

// The texts that name the game's author and maker. Both are invented. The
// windows show them translated; the address stays as it is.
namespace fw {

inline constexpr char kAuthorLine[] = QT_TRANSLATE_NOOP("Figurewheel", "from Fig Wheeler");
inline constexpr char kMakersNotice[]
    = QT_TRANSLATE_NOOP("Figurewheel", "Copyright 2001 Figurewheel Games");
inline constexpr char kSupportAddress[] = "comments@figurewheel.example";
inline constexpr char kInvitation[]
    = QT_TRANSLATE_NOOP("Figurewheel", "Fig Wheeler would love to hear what you think!");

} // namespace fw
