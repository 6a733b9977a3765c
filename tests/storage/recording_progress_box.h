#pragma once
// A progress box that records what it was asked to show.

#include "storage/progress_box.h"

#include <string>
#include <vector>

namespace quor::testing {

class recording_progress_box : public progress_box {
public:
    // "show: TEXT", "show bar: TEXT", "maximum: N" or "hide", in order; bar positions are only counted.
    std::vector<std::string> calls;
    int last_position = 0;

    void think_show(std::string_view message) override { calls.push_back("show: " + std::string(message)); }
    void think_show_bar(std::string_view message) override { calls.push_back("show bar: " + std::string(message)); }
    void think_hide() override { calls.emplace_back("hide"); }
    void set_maximum(int maximum) override { calls.push_back("maximum: " + std::to_string(maximum)); }
    void set_position(int position) override { last_position = position; }
};

}  // namespace quor::testing
