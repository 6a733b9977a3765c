#pragma once
// The controls of one form in their declaration order (the order a setting's
// lines follow), found by name without regard to case.

#include "engine/control.h"

#include <initializer_list>
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

protected:
    ~control_set() = default;
    void add_components(std::initializer_list<control*> controls);

private:
    std::vector<control*> components_;
};

}  // namespace quor
