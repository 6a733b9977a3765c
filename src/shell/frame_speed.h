#pragma once
// The frame-speed average: an exponential moving average of the frame rate.

namespace quor {

class frame_speed_obj {
public:
    // average := 0; samples := the averaging length N (below 1 taken as 1, so
    // that no new value weighs more than the whole).
    void reset(double samples);
    // Each new rate weighs 1 / samples; returns the new average.
    double update(double rate);

    double average = 0.0;   // frames per second
    double samples = 100.0; // averaging length N
};

}  // namespace quor
