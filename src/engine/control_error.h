#pragma once
// The toolkit's own failures, raised by the controls. what() is the exact text
// the top-level handler shows the user, so stored messages stay recognisable.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quor {

class control_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An item or field index that is not there.
class list_index_error : public control_error {
public:
    list_index_error();
};

// A scroll-bar range whose minimum would exceed its maximum.
class scroll_bar_range_error : public control_error {
public:
    scroll_bar_range_error();
};

// Text that is not a decimal integer.
class integer_conversion_error : public control_error {
public:
    explicit integer_conversion_error(std::string_view text);
};

// Optional sign and decimal digits, nothing else, within 32 bits; otherwise empty.
std::optional<int> parse_integer(std::string_view text);
// As parse_integer, but throws integer_conversion_error naming the text.
int text_to_integer(std::string_view text);

}  // namespace quor
