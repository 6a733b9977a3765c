#include "engine/settings_controls.h"

#include "engine/parameter_catalogue.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace quor {
namespace {

// A field that names a control the catalogue lacks, or gives it the wrong kind or
// panel, is a programming error: fail at once rather than write a wrong setting.
const parameter& catalogue_entry(std::string_view name, parameter_kind kind) {
    const parameter* entry = find_parameter(name);
    if (!entry || entry->kind != kind) {
        throw std::logic_error("settings form field does not match the parameter catalogue: " + std::string(name));
    }
    return *entry;
}

// The kind of a control a setting carries a line for; none for the others.
std::optional<parameter_kind> kind_of(const control& component) {
    if (dynamic_cast<const scroll_bar*>(&component)) return parameter_kind::scroll_bar;
    if (dynamic_cast<const radio_button*>(&component)) return parameter_kind::radio_button;
    if (dynamic_cast<const check_box*>(&component)) return parameter_kind::check_box;
    if (dynamic_cast<const list_box*>(&component)) return parameter_kind::list_box;
    return std::nullopt;
}

}  // namespace

scroll_bar settings_controls::catalogue_scroll_bar(std::string_view name) {
    const parameter& entry = catalogue_entry(name, parameter_kind::scroll_bar);
    return scroll_bar(*this, std::string(name), entry.minimum, entry.maximum, entry.position, entry.vertical);
}

check_box settings_controls::catalogue_check_box(std::string_view name) {
    const parameter& entry = catalogue_entry(name, parameter_kind::check_box);
    return check_box(*this, std::string(name), std::string(entry.caption), entry.checked);
}

radio_button settings_controls::catalogue_radio_button(radio_panel& panel, std::string_view name) {
    const parameter& entry = catalogue_entry(name, parameter_kind::radio_button);
    if (entry.panel != panel.name()) {
        throw std::logic_error("radio button on the wrong panel: " + std::string(name));
    }
    return radio_button(*this, std::string(name), std::string(entry.caption), panel, entry.group, entry.checked);
}

list_box settings_controls::catalogue_list_box(std::string_view name) {
    catalogue_entry(name, parameter_kind::list_box);
    constexpr bool sorted = true;  // its items are the palette files, found in any order
    return list_box(*this, std::string(name), sorted);
}

settings_controls::settings_controls() {
    // The setting format follows both the fields and the catalogue: they must
    // name the same controls in the same order.
    const auto catalogue = parameter_catalogue();
    std::size_t next = 0;
    for (control* component : components()) {
        const std::optional<parameter_kind> kind = kind_of(*component);
        if (!kind) continue;
        if (next == catalogue.size() || catalogue[next].name != component->name() || catalogue[next].kind != *kind) {
            throw std::logic_error("settings form field out of the parameter catalogue's order: " + component->name());
        }
        component->set_visible(catalogue[next].visible);
        ++next;
    }
    if (next != catalogue.size()) {
        throw std::logic_error("no settings form field for " + std::string(catalogue[next].name));
    }
}

}  // namespace quor
