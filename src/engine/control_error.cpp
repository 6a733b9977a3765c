#include "engine/control_error.h"

#include <charconv>

namespace quor {

list_index_error::list_index_error() : control_error("List index out of bounds") {}

scroll_bar_range_error::scroll_bar_range_error() : control_error("Scrollbar property out of range") {}

namespace {

std::string conversion_message(std::string_view text) {
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid integer value");
    return message;
}

}  // namespace

integer_conversion_error::integer_conversion_error(std::string_view text) : control_error(conversion_message(text)) {}

std::optional<int> parse_integer(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        // "+-5" must not slip through from_chars as -5.
        if (!digits.empty() && digits.front() == '-') return std::nullopt;
    }
    if (digits.empty()) return std::nullopt;
    int value = 0;
    const char* end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

int text_to_integer(std::string_view text) {
    if (auto value = parse_integer(text)) return *value;
    throw integer_conversion_error(text);
}

}  // namespace quor
