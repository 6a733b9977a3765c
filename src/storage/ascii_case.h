#pragma once
// Letter case for names in the configuration file: ASCII letters only, as the
// file's readers have always compared them.

#include <string>
#include <string_view>

namespace quor {

bool equal_ignoring_case(std::string_view left, std::string_view right);
std::string to_upper_case(std::string_view text);

}  // namespace quor
