#pragma once
// A one-line text box; on_change runs on every real change of the text.

#include "engine/control.h"
#include "engine/control_set.h"

#include <functional>
#include <utility>

namespace quor {

class edit_box : public control {
public:
    explicit edit_box(std::string name, std::string text = {}) : control(std::move(name)), text_(std::move(text)) {}
    // A field of `owner`, which it joins once built.
    template <typename... Arguments>
    explicit edit_box(control_set& owner, Arguments&&... arguments) : edit_box(std::forward<Arguments>(arguments)...) {
        owner.add(*this);
    }

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
