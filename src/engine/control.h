#pragma once
// Root of the toolkit-neutral controls. A control holds a value and its rules;
// a Qt widget is only a view bound to one control, so forms are tested headless.

#include <functional>
#include <string>

namespace quor {

class control {
public:
    explicit control(std::string name) : name_(std::move(name)) {}
    virtual ~control() = default;
    // Forms and views keep pointers to their controls.
    control(const control&) = delete;
    control& operator=(const control&) = delete;

    const std::string& name() const { return name_; }

    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);
    bool visible() const { return visible_; }
    void set_visible(bool visible);

    // For the bound view: runs after any change of the control's state, whoever
    // made it (user, program or a loaded setting). The toolkit's own events are
    // the separate on_... handlers of each control.
    std::function<void()> on_state_changed;

protected:
    void state_changed() {
        if (on_state_changed) on_state_changed();
    }

private:
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
};

inline void control::set_enabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    state_changed();
}

inline void control::set_visible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    state_changed();
}

}  // namespace quor
