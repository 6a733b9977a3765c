#include "storage/setting_lines.h"

namespace quor {
namespace {

constexpr int carriage_return = 13;
constexpr int line_feed = 10;

bool is_separator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; }

// True when `byte` ends a line: LF, or CR with the LF that may follow it.
bool ends_line(int byte, text_reader& stream) {
    if (byte == line_feed) return true;
    if (byte != carriage_return) return false;
    const int next = stream.read_byte();
    if (next >= 0 && next != line_feed) stream.step_back();
    return true;
}

}  // namespace

void write_line(std::string& stream, std::string_view line) {
    stream.append(line);
    stream.append("\r\n");
}

std::string read_line(text_reader& stream) {
    std::string line;
    while (line.size() < longest_line) {
        const int byte = stream.read_byte();
        if (byte < 0 || ends_line(byte, stream)) return line;
        line.push_back(static_cast<char>(byte));
    }
    // A line of exactly the longest length ends at its own line end, not at an
    // empty line after it: the writer writes such lines (the first piece of a
    // longer one), and they must read back as written.
    if (const int byte = stream.read_byte(); byte >= 0 && !ends_line(byte, stream)) stream.step_back();
    return line;
}

std::vector<std::string>& split_fields(std::string_view text, std::vector<std::string>& fields) {
    fields.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        while (start < text.size() && is_separator(text[start])) ++start;
        std::size_t end = start;
        while (end < text.size() && !is_separator(text[end])) ++end;
        if (end > start) fields.emplace_back(text.substr(start, end - start));
        start = end;
    }
    return fields;
}

std::string_view bool_text(bool flag) { return flag ? "TRUE" : "FALSE"; }

}  // namespace quor
