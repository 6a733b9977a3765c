#include "render/palette_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quor {

namespace {

// A palette file needs far less; the cap ends the read of an endless line.
constexpr long long palette_byte_limit = 1 << 20;

// Reads one line, keeping its first palette_line_limit characters; false at the
// end of the input. A line of any length costs no more memory than the limit.
bool read_line(std::istream& input, std::string& line, long long& bytes_read) {
    line.clear();
    std::streambuf* buffer = input.rdbuf();
    if (buffer == nullptr) return false;
    bool any = false;
    for (;;) {
        const int character = buffer->sbumpc();
        if (character == std::char_traits<char>::eof()) return any;
        if (++bytes_read > palette_byte_limit) throw palette_file_error("The file is too large for a palette file");
        any = true;
        if (character == '\n') return true;
        if (character == '\r') {
            if (buffer->sgetc() == '\n') buffer->sbumpc();
            return true;
        }
        if (line.size() < palette_line_limit) line.push_back(static_cast<char>(character));
    }
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Skips the spaces, then takes the characters up to the next space or the end.
std::string_view next_field(std::string_view& rest) {
    std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) start = rest.size();
    rest.remove_prefix(start);
    const std::size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end);
    return field;
}

// A decimal integer with an optional sign, the whole field; its value modulo 256
// whatever its length.
std::optional<std::uint8_t> colour_value(std::string_view field) {
    bool negative = false;
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.empty()) return std::nullopt;
    unsigned value = 0;
    for (char c : field) {
        if (!is_digit(c)) return std::nullopt;
        value = (value * 10 + unsigned(c - '0')) & 0xffu;
    }
    return static_cast<std::uint8_t>(negative ? (256 - value) & 0xffu : value);
}

// The count at the start of line 1 (leading blanks skipped, the rest of the line
// ignored), capped at the number of animatable entries.
int colour_count_of(std::string_view line) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) throw palette_file_error("The first line holds no colour count");
    line.remove_prefix(start);
    bool negative = false;
    if (line.front() == '+' || line.front() == '-') {
        negative = line.front() == '-';
        line.remove_prefix(1);
    }
    if (line.empty() || !is_digit(line.front())) throw palette_file_error("The first line holds no colour count");
    long long count = 0;
    for (std::size_t i = 0; i < line.size() && is_digit(line[i]); ++i)
        count = std::min<long long>(count * 10 + (line[i] - '0'), animatable_colour_limit + 1);
    if (negative || count < 1) throw palette_file_error("The colour count must be at least 1");
    return static_cast<int>(std::min<long long>(count, animatable_colour_limit));
}

}  // namespace

palette_file_colours read_palette_colours(std::istream& input) {
    palette_file_colours result;
    std::string line;
    line.reserve(palette_line_limit);
    long long bytes_read = 0;
    if (!read_line(input, line, bytes_read)) throw palette_file_error("The first line holds no colour count");
    result.colour_count = colour_count_of(line);
    for (int i = 0; i < result.colour_count; ++i) {
        const int line_number = i + 2;
        if (!read_line(input, line, bytes_read))
            throw palette_file_error("The file ends before colour " + std::to_string(i + 1) + " of " +
                                     std::to_string(result.colour_count));
        std::string_view rest = line;
        std::optional<std::uint8_t> values[3];
        for (auto& value : values) value = colour_value(next_field(rest));
        if (!values[0] || !values[1] || !values[2])
            throw palette_file_error("Line " + std::to_string(line_number) +
                                     " does not hold red, green and blue as whole numbers");
        result.colours[i] = {*values[0], *values[1], *values[2], palette_entry_reserved};
    }
    return result;
}

}  // namespace quor
