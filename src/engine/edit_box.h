#pragma once
// A one-line text box; on_change runs on every real change of the text.

#include "engine/control.h"

#include <functional>

namespace quor {

class edit_box : public control {
public:
    explicit edit_box(std::string name, std::string text = {}) : control(std::move(name)), text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    void set_text(std::string text) {
        if (text_ == text) return;
        text_ = std::move(text);
        state_changed();
        if (on_change) on_change(*this);
    }

    std::function<void(edit_box&)> on_change;

private:
    std::string text_;
};

}  // namespace quor
