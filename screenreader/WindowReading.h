#pragma once

namespace fw::screenreader {

// Every window of the game but the main one is read out whole when it opens
// (install does this). A screen reader is told it is an alert, and reads
// every text it shows, in reading order, after its title; a window that
// shows only pictures is read by what its pictures are said to show.
void installWindowReading();

} // namespace fw::screenreader
