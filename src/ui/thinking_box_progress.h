#pragma once
// The progress box as the settings file drives it while it packs or unpacks.

#include "shell/thinking_box.h"
#include "storage/progress_box.h"

namespace quor {

class thinking_box_progress final : public progress_box {
public:
    explicit thinking_box_progress(TThinking_box& box) : box_(box) {}

    void think_show(std::string_view message) override { box_.think_show(nullptr, message); }
    void think_show_bar(std::string_view message) override { box_.think_show_bar(nullptr, message); }
    void think_hide() override { box_.think_hide(); }
    void set_maximum(int maximum) override { box_.set_bar_maximum(maximum); }
    void set_position(int position) override { box_.set_bar_position(position); }

private:
    TThinking_box& box_;
};

}  // namespace quor
