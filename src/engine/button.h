#pragma once
// A push button. Its view calls click() only while the button is enabled;
// the program may call it at any time, as the old toolkit allowed.

#include "engine/control.h"

#include <functional>

namespace quor {

class button : public control {
public:
    explicit button(std::string name, std::string caption = {})
        : control(std::move(name)), caption_(std::move(caption)) {}

    const std::string& caption() const { return caption_; }
    void click() {
        if (on_click) on_click(*this);
    }

    std::function<void(button&)> on_click;

private:
    std::string caption_;
};

}  // namespace quor
