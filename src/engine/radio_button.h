#pragma once
// Radio buttons exclude each other when they sit on the same panel and carry the
// same group number. A group may have no button checked: unchecking one by
// program is allowed and checks nothing else.

#include "engine/control.h"
#include "engine/control_set.h"

#include <functional>
#include <string>
#include <vector>
#include <utility>

namespace quor {

class radio_button;

// The panel a radio button sits on. It must outlive its buttons.
class radio_panel {
public:
    explicit radio_panel(std::string name) : name_(std::move(name)) {}
    radio_panel(const radio_panel&) = delete;
    radio_panel& operator=(const radio_panel&) = delete;

    const std::string& name() const { return name_; }
    const std::vector<radio_button*>& buttons() const { return buttons_; }

private:
    friend class radio_button;
    std::string name_;
    std::vector<radio_button*> buttons_;
};

class radio_button : public control {
public:
    radio_button(std::string name, std::string caption, radio_panel& panel, int group = 0, bool checked = false);
    // A field of `owner`, which it joins once built.
    template <typename... Arguments>
    explicit radio_button(control_set& owner, Arguments&&... arguments) : radio_button(std::forward<Arguments>(arguments)...) {
        owner.add(*this);
    }
    ~radio_button() override;

    const std::string& caption() const { return caption_; }
    radio_panel& panel() const { return panel_; }
    int group() const { return group_; }
    bool checked() const { return checked_; }
    // Checking unchecks the other buttons of the same panel and group.
    void set_checked(bool checked);

    // When the button becomes checked (not when it is unchecked).
    std::function<void(radio_button&)> on_click;

private:
    void uncheck_quietly();

    std::string caption_;
    radio_panel& panel_;
    int group_ = 0;
    bool checked_ = false;
};

}  // namespace quor
