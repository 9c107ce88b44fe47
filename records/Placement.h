#pragma once

namespace fw {

class SettingsStore;

// The main window's stored top-left corner in twips; 1000 each when missing
// or not a number.
struct Placement {
    float left = 1000;
    float top = 1000;
};
Placement readPlacement(const SettingsStore &store);

// The main window's close: left, top, width and height in twips, in that order.
void storePlacement(SettingsStore &store, float left, float top, float width, float height);

} // namespace fw
