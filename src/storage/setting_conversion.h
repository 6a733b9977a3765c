#pragma once
// A setting's lines from the settings form's controls, and back. Line 0 is the
// name; every other line names one control, right-aligned in 20 characters, and
// gives its values after TABs.

#include "engine/settings_controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace quor {

// The name left-padded to 20 characters (longer names whole), as a line begins.
std::string padded_control_name(std::string_view name);

// Clears lines, then appends the name and one line per scroll bar, radio button,
// check box and selected list box, in the form's component order.
void controls_to_lines(const settings_controls& form, std::vector<std::string>& lines, std::string_view name);
std::vector<std::string> controls_to_lines(const settings_controls& form, std::string_view name);

// Applies lines 1 and later, one at a time through the controls' setters (so
// their handlers run), then sets the current-speed label to "0". A line that
// names no control is ignored. A line without a field or with a missing value
// throws list_index_error, a bad number integer_conversion_error, a range whose
// minimum exceeds its maximum scroll_bar_range_error; lines before it stay applied.
void lines_to_controls(settings_controls& form, const std::vector<std::string>& lines);

}  // namespace quor
