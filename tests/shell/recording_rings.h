#pragma once
// A ring animation that records what the main window asks of it.

#include "engine/ring_animation.h"
#include "platform/cursor_selector.h"

#include <memory>
#include <stdexcept>
#include <vector>

namespace quor::testing {

struct engine_log {
    int built = 0;
    int steps = 0;
    int repaints = 0;
    bool fail_next_build = false;  // the next build throws, as a damaged palette file does
};

class recording_rings final : public ring_animation {
public:
    explicit recording_rings(engine_log& log) : log_(log) {}
    // Each step leaves index 99 at (0, 0), so a step shows on the screen.
    void cyclerings(index_buffer& target) override {
        ++log_.steps;
        target.set_pixel(0, 0, 99);
    }
    void draw_all_rings(index_buffer&) const override { ++log_.repaints; }

private:
    engine_log& log_;
};

inline ring_animation_factory recording_factory(engine_log& log) {
    return [&log](ring_environment&) -> std::unique_ptr<ring_animation> {
        if (log.fail_next_build) throw std::runtime_error("damaged palette");
        ++log.built;
        return std::make_unique<recording_rings>(log);
    };
}

class recording_cursor final : public cursor_selector {
public:
    void select_cursor(int slot) override { chosen.push_back(slot); }
    std::vector<int> chosen;  // the slots asked for, in order
};

}  // namespace quor::testing
