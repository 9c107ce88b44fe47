#pragma once

#include <QString>

#include <cstdint>

namespace fw {

class SettingsStore;

// The records while the game runs; only the functions below and the solve
// reward copy them to and from the store.
struct Records {
    std::int16_t gBestTime = 0;    // whole seconds; 999 means no record yet
    QString gBestPlayer;           // the holder, exactly as typed
    std::int16_t gTimesPlayed = 0; // the launch counter before this start's increment
};

// Start-up: the launch counter, read leniently ("15.5" is 16, text is 0).
std::int16_t readLaunchCount(const SettingsStore &store);

// The main window's start: loads the best time (a missing, empty, non-numeric,
// zero or negative one resets all three records to 999, "Nobody" and 0), the
// holder and the launch counter, and stores the counter raised by one (it
// stops at 32767). Another copy starting at the same moment waits, so both
// launches count.
void loadRecords(Records &records, SettingsStore &store);

} // namespace fw
