#pragma once

namespace fw {

// A timer as the game drives it: it ticks every `interval` ms while enabled
// and the interval is above 0. `starts` counts the moments its countdown
// begins afresh, so the window knows when to restart the real timer.
struct TimerState {
    bool enabled = true;
    int interval = 0;
    unsigned starts = 0;

    bool running() const { return enabled && interval > 0; }
    void disable() { enabled = false; }
    void enable()
    {
        if (!enabled) {
            enabled = true;
            ++starts;
        }
    }
    void setInterval(int milliseconds)
    {
        if (interval != milliseconds) {
            interval = milliseconds;
            ++starts;
        }
    }
    // Enables the timer and starts its countdown afresh, even when it was
    // already running with the same interval.
    void restart(int milliseconds)
    {
        enabled = true;
        interval = milliseconds;
        ++starts;
    }
};

} // namespace fw
