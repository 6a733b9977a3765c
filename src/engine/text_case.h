#pragma once
// Control names, palette names and list items compare without regard to case.
// They are plain ASCII, so no locale is involved.

#include <string>
#include <string_view>

namespace quor {

bool equal_ignoring_case(std::string_view a, std::string_view b);
// Negative, zero or positive, as for a sort that ignores case.
int compare_ignoring_case(std::string_view a, std::string_view b);
std::string to_upper(std::string_view text);

}  // namespace quor
