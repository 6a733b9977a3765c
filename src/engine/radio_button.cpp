#include "engine/radio_button.h"

#include <algorithm>

namespace quor {

radio_button::radio_button(std::string name, std::string caption, radio_panel& panel, int group, bool checked)
    : control(std::move(name)), caption_(std::move(caption)), panel_(panel), group_(group) {
    panel_.buttons_.push_back(this);
    set_checked(checked);
}

radio_button::~radio_button() { std::erase(panel_.buttons_, this); }

void radio_button::set_checked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    if (checked) {
        for (radio_button* sibling : panel_.buttons_) {
            if (sibling != this && sibling->group_ == group_) sibling->uncheck_quietly();
        }
    }
    state_changed();
    if (checked && on_click) on_click(*this);
}

void radio_button::uncheck_quietly() {
    if (!checked_) return;
    checked_ = false;
    state_changed();
}

}  // namespace quor
