#include "shell/display_switch.h"

#include "shell/startup_text.h"

namespace quor {

display_switch::display_switch(display_modes& modes, message_box& messages)
    : modes_(modes), messages_(messages) {}

bool display_switch::prepare_display() {
    display_mode desktop = modes_.current();
    screen_bits_ = desktop.bits_per_pixel;
    screen_width_ = desktop.width;
    screen_height_ = desktop.height;
    if (screen_bits_ == 8) return true;
    return switch_to_256_colours();
}

bool display_switch::same_size(const display_mode& mode) const {
    return mode.width == screen_width_ && mode.height == screen_height_;
}

bool display_switch::switch_to_256_colours() {
    // Neither pass stops at a match: the last matching mode wins.
    for (int index = 0;; ++index) {
        std::optional<display_mode> mode = modes_.enumerate(index);
        if (!mode) break;
        if (mode->bits_per_pixel == screen_bits_ && same_size(*mode)) saved_mode_ = *mode;
    }
    // A starting mode the display system does not list would leave nothing to
    // go back to; its depth and size are still known, so those are restored.
    if (saved_mode_ == display_mode{}) {
        saved_mode_ = {screen_bits_, screen_width_, screen_height_, 0, mode_size_and_depth_fields};
    }
    display_mode target;
    bool target_found = false;
    for (int index = 0;; ++index) {
        std::optional<display_mode> mode = modes_.enumerate(index);
        if (!mode) break;
        if (mode->bits_per_pixel == 8 && same_size(*mode)) {
            target = *mode;
            target_found = true;
        }
    }

    if (!messages_.ask_yes_no(startup_text::switch_question)) return false;
    if (!target_found) {
        messages_.show_message(startup_text::no_compatible_mode);
        return false;
    }

    target.fields = mode_size_and_depth_fields;
    switch (modes_.change(target, false)) {
    case mode_change_result::successful:
        mode_changed_ = true;
        return true;
    case mode_change_result::restart_needed:
        if (!messages_.ask_yes_no(startup_text::restart_question)) return false;
        if (modes_.change(target, true) != mode_change_result::successful) return false;
        mode_changed_ = true;
        mode_forced_ = true;
        return true;
    case mode_change_result::failed:
        break;
    }
    modes_.change(saved_mode_, false);
    messages_.show_message(startup_text::mode_change_failed);
    return false;
}

void display_switch::restore() {
    if (!mode_changed_) return;
    modes_.change(saved_mode_, mode_forced_);
    mode_changed_ = false;
}

}  // namespace quor
