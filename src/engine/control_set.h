#pragma once
// The controls of one form in their declaration order (the order a setting's
// lines follow), found by name without regard to case. Each control joins its
// set as it is constructed, given the set as its first argument, so the fields
// themselves are the only list of them.

#include "engine/control.h"

#include <string_view>
#include <vector>

namespace quor {

class control_set {
public:
    control_set() = default;
    control_set(const control_set&) = delete;
    control_set& operator=(const control_set&) = delete;

    const std::vector<control*>& components() const { return components_; }
    // The first component whose name matches without regard to case, or null.
    control* find(std::string_view name) const;

    // Called by a control's constructor; the control is a field of the set.
    void add(control& component) { components_.push_back(&component); }

protected:
    ~control_set() = default;

private:
    std::vector<control*> components_;
};

}  // namespace quor
