#include "storage/setting_conversion.h"

#include "engine/control_error.h"
#include "engine/text_case.h"
#include "storage/setting_lines.h"

namespace quor {
namespace {

constexpr std::size_t name_width = 20;

std::string control_line(std::string_view name, std::initializer_list<std::string_view> values) {
    std::string line = padded_control_name(name);
    for (std::string_view value : values) {
        line += '\t';
        line += value;
    }
    return line;
}

const std::string& field(const std::vector<std::string>& fields, std::size_t index) {
    if (index >= fields.size()) throw list_index_error();
    return fields[index];
}

int integer_field(const std::vector<std::string>& fields, std::size_t index) {
    return text_to_integer(field(fields, index));
}

void apply_scroll_bar(scroll_bar& bar, const std::vector<std::string>& fields) {
    const int minimum = integer_field(fields, 1);
    if (minimum <= bar.maximum()) {
        bar.set_minimum(minimum);
        bar.set_maximum(integer_field(fields, 2));
    } else {
        // Minimum first would pass through an empty range and refuse a sound
        // line only because of the range the bar had before; widen upward first.
        // Anything that is not a sound range fails as the minimum alone would.
        const auto maximum = fields.size() > 2 ? parse_integer(fields[2]) : std::nullopt;
        if (!maximum || *maximum < minimum) throw scroll_bar_range_error();
        bar.set_maximum(*maximum);
        bar.set_minimum(minimum);
    }
    bar.set_position(integer_field(fields, 3));
}

bool flag_field(const std::vector<std::string>& fields) { return field(fields, 1) == "TRUE"; }

}  // namespace

std::string padded_control_name(std::string_view name) {
    std::string padded;
    if (name.size() < name_width) padded.assign(name_width - name.size(), ' ');
    padded += name;
    return padded;
}

void controls_to_lines(const settings_controls& form, std::vector<std::string>& lines, std::string_view name) {
    lines.clear();
    lines.emplace_back(name);
    for (const control* component : form.components()) {
        if (auto* bar = dynamic_cast<const scroll_bar*>(component)) {
            lines.push_back(control_line(bar->name(), {std::to_string(bar->minimum()), std::to_string(bar->maximum()),
                                                       std::to_string(bar->position())}));
        } else if (auto* radio = dynamic_cast<const radio_button*>(component)) {
            lines.push_back(control_line(radio->name(), {bool_text(radio->checked())}));
        } else if (auto* check = dynamic_cast<const check_box*>(component)) {
            lines.push_back(control_line(check->name(), {bool_text(check->checked())}));
        } else if (auto* list = dynamic_cast<const list_box*>(component); list && list->has_selection()) {
            lines.push_back(control_line(list->name(), {list->selected_item()}));
        }
    }
}

std::vector<std::string> controls_to_lines(const settings_controls& form, std::string_view name) {
    std::vector<std::string> lines;
    controls_to_lines(form, lines, name);
    return lines;
}

void lines_to_controls(settings_controls& form, const std::vector<std::string>& lines) {
    std::vector<std::string> fields;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        split_fields(lines[index], fields);
        control* component = form.find(field(fields, 0));
        if (auto* bar = dynamic_cast<scroll_bar*>(component)) {
            apply_scroll_bar(*bar, fields);
        } else if (auto* radio = dynamic_cast<radio_button*>(component)) {
            radio->set_checked(flag_field(fields));
        } else if (auto* check = dynamic_cast<check_box*>(component)) {
            check->set_checked(flag_field(fields));
        } else if (auto* list = dynamic_cast<list_box*>(component)) {
            list->set_item_index(list->index_of(to_upper(field(fields, 1))));
        } else if (component == &form.designed_speed) {
            form.designed_speed.set_caption(field(fields, 1));
        }
    }
    form.f_speed.set_caption("0");
}

}  // namespace quor
