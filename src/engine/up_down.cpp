#include "engine/up_down.h"

#include "engine/control_error.h"

#include <algorithm>
#include <string>

namespace quor {

up_down::up_down(std::string name, int minimum, int maximum, int position, edit_box* associate)
    : control(std::move(name)), minimum_(minimum), maximum_(maximum), position_(0), associate_(associate) {
    if (minimum > maximum) throw scroll_bar_range_error();
    set_position(position);
}

int up_down::position() const {
    if (associate_) {
        if (auto typed = parse_integer(associate_->text()); typed && *typed >= minimum_ && *typed <= maximum_) {
            return *typed;
        }
    }
    return position_;
}

void up_down::set_position(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    if (associate_) associate_->set_text(std::to_string(position_));
    state_changed();
}

void up_down::step(int delta) {
    bool allow = true;
    if (on_changing) on_changing(*this, allow);
    if (!allow) return;
    long long target = static_cast<long long>(position()) + delta;
    if (wrap_ && target > maximum_) target = minimum_;
    if (wrap_ && target < minimum_) target = maximum_;
    set_position(static_cast<int>(std::clamp<long long>(target, minimum_, maximum_)));
}

}  // namespace quor
