#include "storage/quor_setting.h"

#include "engine/control_error.h"
#include "storage/setting_conversion.h"
#include "storage/setting_lines.h"

namespace quor {
namespace {

constexpr std::string_view tag_name = "Screensaver";

// Removes control characters and blanks (anything up to and including space) at both ends.
std::string_view trim(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

bool Quor_setting::ReadText(text_reader& stream) {
    control_strings.clear();
    std::string line = read_line(stream);
    if (line.empty() || line.front() != '{') return false;
    line.front() = ' ';
    if (std::string_view name = trim(line); !name.empty()) {
        control_strings.emplace_back(name);
    } else {
        // The writer puts the name on a line of its own. Take that line whole,
        // even when empty or beginning with "}", so that no name the library
        // accepts can cut its block short and lose every setting after it.
        if (stream.at_end()) return false;
        control_strings.push_back(read_line(stream));
    }
    for (;;) {
        line = read_line(stream);
        if (line.empty()) return false;
        if (line.front() == '}') return true;
        control_strings.push_back(std::move(line));
    }
}

void Quor_setting::WriteText(std::string& stream) const {
    write_line(stream, "{ ");
    for (const std::string& line : control_strings) write_line(stream, line);
    write_line(stream, "}");
}

const std::string& Quor_setting::name() const {
    if (control_strings.empty()) throw list_index_error();
    return control_strings.front();
}

bool Quor_setting::screensave() const {
    bool tagged = false;
    for (std::size_t i = 1; i < control_strings.size(); ++i) {
        if (!contains(control_strings[i], tag_name)) continue;
        tagged = contains(control_strings[i], "TRUE");
        if (tagged) break;
    }
    return tagged;
}

void Quor_setting::setname(std::string_view name) {
    if (control_strings.empty()) throw list_index_error();
    control_strings.front() = std::string(name);
}

void Quor_setting::setscreensave(bool tagged) {
    // With no name line the tag line would become the name.
    if (control_strings.empty()) throw list_index_error();
    std::string tag_line = padded_control_name(tag_name) + '\t' + std::string(bool_text(tagged));
    for (std::size_t i = 1; i < control_strings.size(); ++i) {
        if (contains(control_strings[i], tag_name)) {
            control_strings[i] = std::move(tag_line);
            return;
        }
    }
    control_strings.push_back(std::move(tag_line));
}

}  // namespace quor
