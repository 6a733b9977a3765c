#pragma once
// A check box with its caption; on_click runs on every real change of the
// checked state, whether the user or the program made it.

#include "engine/control.h"
#include "engine/control_set.h"

#include <functional>
#include <utility>

namespace quor {

class check_box : public control {
public:
    explicit check_box(std::string name, std::string caption = {}, bool checked = false)
        : control(std::move(name)), caption_(std::move(caption)), checked_(checked) {}
    // A field of `owner`, which it joins once built.
    template <typename... Arguments>
    explicit check_box(control_set& owner, Arguments&&... arguments) : check_box(std::forward<Arguments>(arguments)...) {
        owner.add(*this);
    }

    const std::string& caption() const { return caption_; }
    bool checked() const { return checked_; }
    void set_checked(bool checked);

    std::function<void(check_box&)> on_click;

private:
    std::string caption_;
    bool checked_ = false;
};

inline void check_box::set_checked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    state_changed();
    if (on_click) on_click(*this);
}

}  // namespace quor
