#pragma once
// The progress box as the settings file sees it: a wait message, with or without
// a bar, while the library is unpacked or packed. The shell's box implements it
// for the screen; tests record the calls.

#include "storage/lzh_compressor.h"

#include <string_view>

namespace quor {

// set_position (from progress_indicator) moves the bar; the compressor drives it.
class progress_box : public progress_indicator {
public:
    virtual void think_show(std::string_view message) = 0;
    virtual void think_show_bar(std::string_view message) = 0;
    virtual void think_hide() = 0;
    virtual void set_maximum(int maximum) = 0;
};

// Shows nothing: for loads and saves with no one watching (benchmarks, fuzzing).
class silent_progress_box final : public progress_box {
public:
    void think_show(std::string_view) override {}
    void think_show_bar(std::string_view) override {}
    void think_hide() override {}
    void set_maximum(int) override {}
    void set_position(int) override {}
};

}  // namespace quor
