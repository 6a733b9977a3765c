#include "shell/display_modes.h"

namespace quor {

emulated_display_modes::emulated_display_modes(int width, int height)
    : mode_{8, width, height, 0, mode_size_and_depth_fields} {}

std::optional<display_mode> emulated_display_modes::enumerate(int index) {
    if (index == 0) return mode_;
    return std::nullopt;
}

display_mode emulated_display_modes::current() { return mode_; }

mode_change_result emulated_display_modes::change(const display_mode& mode, bool) {
    bool same = mode.bits_per_pixel == mode_.bits_per_pixel && mode.width == mode_.width &&
                mode.height == mode_.height;
    return same ? mode_change_result::successful : mode_change_result::failed;
}

}  // namespace quor
