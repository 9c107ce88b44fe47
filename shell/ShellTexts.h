#pragma once

// The texts that name the game's author and maker. Both are invented.
namespace fw {

inline constexpr char kAuthorLine[] = "from Fig Wheeler";
inline constexpr char kMakersNotice[] = "Copyright 2001 Figurewheel Games";
inline constexpr char kSupportAddress[] = "comments@figurewheel.example";
inline constexpr char kInvitation[] = "Fig Wheeler would love to hear what you think!";

} // namespace fw
