#include "shell/numbered_file_name.h"

#include "platform/command_line.h"

#include <algorithm>

namespace quor {

namespace {

constexpr int widest_number = 32;  // digits; no frame count needs more

[[noreturn]] void refuse(std::string_view name) {
    throw usage_error("a frame-numbered name wants one %d (as in frame_%04d.png), not " + std::string(name));
}

}  // namespace

std::optional<numbered_file_name> numbered_file_name::parse(std::string_view name) {
    if (name.find('%') == std::string_view::npos) return std::nullopt;
    numbered_file_name result;
    bool number_seen = false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        std::string& text = number_seen ? result.after_ : result.before_;
        if (name[i] != '%') {
            text += name[i];
            continue;
        }
        if (++i < name.size() && name[i] == '%') {
            text += '%';
            continue;
        }
        if (number_seen) refuse(name);
        if (i < name.size() && name[i] == '0') {
            result.zero_padded_ = true;
            ++i;
        }
        for (; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
            result.width_ = result.width_ * 10 + (name[i] - '0');
            if (result.width_ > widest_number) refuse(name);
        }
        if (i >= name.size() || name[i] != 'd') refuse(name);
        number_seen = true;
    }
    if (!number_seen) refuse(name);
    return result;
}

std::string numbered_file_name::name_of(std::int64_t number) const {
    const std::string digits = std::to_string(number);
    const std::size_t padding = std::max(std::size_t(width_), digits.size()) - digits.size();
    return before_ + std::string(padding, zero_padded_ ? '0' : ' ') + digits + after_;
}

}  // namespace quor
