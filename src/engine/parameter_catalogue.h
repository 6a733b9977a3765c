#pragma once
// Every control a setting carries: its kind, panel, radio group, range, default
// and caption, in the order of the settings form's components (the order a
// setting's lines follow). This table is the only place these facts are written.

#include <span>
#include <string_view>

namespace quor {

enum class parameter_kind { scroll_bar, radio_button, check_box, list_box };

struct parameter {
    std::string_view name{};
    parameter_kind kind = parameter_kind::scroll_bar;
    std::string_view panel{};
    // The control's caption, or the text of the label beside a scroll bar.
    std::string_view caption{};
    // Shown when the pointer rests on the control; empty for none.
    std::string_view hint{};
    // Radio buttons of one panel and group exclude each other.
    int group = 0;
    // Scroll bars: range and position as the form is designed.
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    // Check boxes and radio buttons: state as the form is designed.
    bool checked = false;
    bool vertical = false;
    bool visible = true;
};

std::span<const parameter> parameter_catalogue();
// Exact name; null when the catalogue has no such control.
const parameter* find_parameter(std::string_view name);

}  // namespace quor
