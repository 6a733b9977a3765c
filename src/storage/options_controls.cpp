#include "storage/options_controls.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quor {

options_controls::options_controls() {
    Quor_ini.SetIniSect("Quor_start");
}

namespace {

int digit_value(char c, int base) {
    int value = base;
    if (c >= '0' && c <= '9') value = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::int32_t read_time_value(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    int base = 10;
    if (at < text.size() && text[at] == '$') {
        base = 16;
        ++at;
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = digit_value(text[at], base);
        if (digit < 0) break;
        magnitude = std::min(magnitude * base + digit, limit);
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, limit - 1);
    return static_cast<std::int32_t>(value);
}

}  // namespace quor
