#pragma once
// A display that lists the modes it is given and answers mode changes from a script.

#include <deque>
#include <utility>
#include <vector>

#include "shell/display_modes.h"

namespace quor::testing {

class fake_display_modes : public display_modes {
public:
    std::vector<display_mode> modes;
    display_mode desktop;
    // Results of the changes, in order; a change past the end succeeds.
    std::deque<mode_change_result> results;
    // Every change asked for: the mode and whether it was forced.
    std::vector<std::pair<display_mode, bool>> changes;
    int enumerations = 0;

    std::optional<display_mode> enumerate(int index) override {
        ++enumerations;
        if (index < 0 || index >= static_cast<int>(modes.size())) return std::nullopt;
        return modes[index];
    }
    display_mode current() override { return desktop; }
    mode_change_result change(const display_mode& mode, bool forced) override {
        changes.emplace_back(mode, forced);
        if (results.empty()) return mode_change_result::successful;
        mode_change_result result = results.front();
        results.pop_front();
        return result;
    }
};

}  // namespace quor::testing
