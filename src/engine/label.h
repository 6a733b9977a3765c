#pragma once
// A named label whose caption the program reads or writes.

#include "engine/control.h"
#include "engine/control_set.h"

#include <utility>

namespace quor {

class label : public control {
public:
    explicit label(std::string name, std::string caption = {})
        : control(std::move(name)), caption_(std::move(caption)) {}
    // A field of `owner`, which it joins once built.
    template <typename... Arguments>
    explicit label(control_set& owner, Arguments&&... arguments) : label(std::forward<Arguments>(arguments)...) {
        owner.add(*this);
    }

    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) {
        if (caption_ == caption) return;
        caption_ = std::move(caption);
        state_changed();
    }

private:
    std::string caption_;
};

}  // namespace quor
