#include "engine/control_set.h"

#include "engine/text_case.h"

namespace quor {

control* control_set::find(std::string_view name) const {
    for (control* component : components_) {
        if (equal_ignoring_case(component->name(), name)) return component;
    }
    return nullptr;
}

}  // namespace quor
