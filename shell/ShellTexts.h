#pragma once

#include <QString>

// The texts that name the game's author and maker. Both are invented.
namespace fw::shell {

inline QString authorLine() { return QStringLiteral("from Fig Wheeler"); }
inline QString makersNotice() { return QStringLiteral("Copyright 2001 Figurewheel Games"); }
inline QString supportAddress() { return QStringLiteral("comments@figurewheel.example"); }
inline QString invitation() { return QStringLiteral("Fig Wheeler would love to hear what you think!"); }

} // namespace fw::shell
