#include "engine/scroll_bar.h"

#include "engine/control_error.h"

#include <algorithm>

namespace quor {

scroll_bar::scroll_bar(std::string name, int minimum, int maximum, int position, bool vertical)
    : control(std::move(name)), vertical_(vertical) {
    if (minimum > maximum) throw scroll_bar_range_error();
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = std::clamp(position, minimum, maximum);
}

void scroll_bar::set_minimum(int minimum) { set_parameters(position_, minimum, maximum_); }

void scroll_bar::set_maximum(int maximum) { set_parameters(position_, minimum_, maximum); }

void scroll_bar::set_range(int minimum, int maximum) { set_parameters(position_, minimum, maximum); }

void scroll_bar::set_position(int position) { set_parameters(position, minimum_, maximum_); }

void scroll_bar::set_parameters(int position, int minimum, int maximum) {
    if (minimum > maximum) throw scroll_bar_range_error();
    position = std::clamp(position, minimum, maximum);
    const bool moved = position != position_;
    const bool changed = moved || minimum != minimum_ || maximum != maximum_;
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = position;
    if (changed) state_changed();
    if (moved && on_change) on_change(*this);
}

void scroll_bar::set_large_change(int step) {
    large_change_ = step;
    state_changed();
}

void scroll_bar::set_small_change(int step) {
    small_change_ = step;
    state_changed();
}

void scroll_bar::scroll(scroll_code code, int thumb_position) {
    // 64 bits: a step from near the end of the int range must not wrap.
    long long target = position_;
    switch (code) {
        case scroll_code::line_up: target -= small_change_; break;
        case scroll_code::line_down: target += small_change_; break;
        case scroll_code::page_up: target -= large_change_; break;
        case scroll_code::page_down: target += large_change_; break;
        case scroll_code::thumb_position:
        case scroll_code::thumb_track: target = thumb_position; break;
        case scroll_code::top: target = minimum_; break;
        case scroll_code::bottom: target = maximum_; break;
        case scroll_code::end_scroll: break;
    }
    int position = static_cast<int>(std::clamp<long long>(target, minimum_, maximum_));
    if (on_scroll) on_scroll(*this, code, position);
    set_position(position);
}

}  // namespace quor
