#pragma once
// A push button. Its view calls click() only while the button is enabled;
// the program may call it at any time, as the old toolkit allowed.

#include "engine/control.h"
#include "engine/control_set.h"

#include <functional>
#include <utility>

namespace quor {

class button : public control {
public:
    explicit button(std::string name, std::string caption = {})
        : control(std::move(name)), caption_(std::move(caption)) {}
    // A field of `owner`, which it joins once built.
    template <typename... Arguments>
    explicit button(control_set& owner, Arguments&&... arguments) : button(std::forward<Arguments>(arguments)...) {
        owner.add(*this);
    }

    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) {
        if (caption_ == caption) return;
        caption_ = std::move(caption);
        state_changed();
    }
    void click() {
        if (on_click) on_click(*this);
    }

    std::function<void(button&)> on_click;

private:
    std::string caption_;
};

}  // namespace quor
