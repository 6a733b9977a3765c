#include "engine/control_set.h"

#include "engine/text_case.h"

namespace quor {

control* control_set::find(std::string_view name) const {
    for (control* component : components_) {
        if (equal_ignoring_case(component->name(), name)) return component;
    }
    return nullptr;
}

void control_set::add_components(std::initializer_list<control*> controls) {
    components_.insert(components_.end(), controls.begin(), controls.end());
}

}  // namespace quor
