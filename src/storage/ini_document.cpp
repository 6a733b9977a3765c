#include "storage/ini_document.h"

#include <stdexcept>

#include "engine/text_case.h"
#include "storage/file_bytes.h"

namespace quor {
namespace {

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool has_line_break(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

ini_document ini_document::parse(std::string_view text) {
    // Editors that write a UTF-8 byte-order mark would hide the first section
    // behind it; it is not kept, so the file is written back without one.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    ini_document document;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        line current;
        current.text = std::string(text.substr(start, end - start));
        const std::string_view content = trim(current.text);
        if (!content.empty() && content.front() == '[') {
            current.kind = line_kind::section;
            const std::string_view inside = content.substr(1);
            current.name = std::string(trim(inside.substr(0, inside.find(']'))));
        } else if (!content.empty() && content.front() != ';') {
            const auto equals = content.find('=');
            if (equals != std::string_view::npos && !trim(content.substr(0, equals)).empty()) {
                current.kind = line_kind::entry;
                current.name = std::string(trim(content.substr(0, equals)));
                current.value = std::string(trim(content.substr(equals + 1)));
            }
        }
        document.lines_.push_back(std::move(current));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return document;
}

ini_document ini_document::parse(std::span<const std::uint8_t> bytes) {
    return parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::size_t ini_document::find_section(std::string_view section) const {
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        if (lines_[index].kind == line_kind::section && equal_ignoring_case(lines_[index].name, section)) return index;
    }
    return lines_.size();
}

std::size_t ini_document::section_end(std::size_t section_line) const {
    std::size_t index = section_line + 1;
    while (index < lines_.size() && lines_[index].kind != line_kind::section) ++index;
    return index;
}

std::vector<ini_entry> ini_document::entries(std::string_view section) const {
    std::vector<ini_entry> result;
    const std::size_t start = find_section(section);
    if (start == lines_.size()) return result;
    const std::size_t end = section_end(start);
    for (std::size_t index = start + 1; index < end; ++index) {
        if (lines_[index].kind == line_kind::entry) result.push_back({lines_[index].name, lines_[index].value});
    }
    return result;
}

std::string ini_document::value(std::string_view section, std::string_view key) const {
    for (const auto& entry : entries(section)) {
        if (equal_ignoring_case(entry.key, key)) return entry.value;
    }
    return {};
}

void ini_document::set_value(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view section_name = trim(section);
    if (section_name.empty() || has_line_break(section) || section_name.find(']') != std::string_view::npos) {
        throw std::invalid_argument("INI section name cannot be written: " + std::string(section));
    }
    const std::string_view key_name = trim(key);
    if (key_name.empty() || has_line_break(key) || key_name.find('=') != std::string_view::npos ||
        key_name.front() == '[' || key_name.front() == ';') {
        throw std::invalid_argument("INI key cannot be written: " + std::string(key));
    }
    if (has_line_break(value)) throw std::invalid_argument("INI value cannot hold a line break");

    line entry;
    entry.kind = line_kind::entry;
    entry.text.append(key_name).append("=").append(value);
    entry.name = std::string(key_name);
    entry.value = std::string(trim(value));

    std::size_t start = find_section(section_name);
    if (start == lines_.size()) {
        line header;
        header.kind = line_kind::section;
        header.text.append("[").append(section_name).append("]");
        header.name = std::string(section_name);
        lines_.push_back(std::move(header));
        lines_.push_back(std::move(entry));
        return;
    }
    const std::size_t end = section_end(start);
    std::size_t after_last = start + 1;
    for (std::size_t index = start + 1; index < end; ++index) {
        if (lines_[index].kind == line_kind::entry && equal_ignoring_case(lines_[index].name, key_name)) {
            lines_[index] = std::move(entry);
            return;
        }
        if (!trim(lines_[index].text).empty()) after_last = index + 1;
    }
    // Blank lines that separate the section from the next one stay after the new entry.
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after_last), std::move(entry));
}

std::string ini_document::text() const {
    std::string result;
    for (const auto& current : lines_) {
        result += current.text;
        result += "\r\n";
    }
    return result;
}

std::optional<ini_document> read_ini_file(const std::filesystem::path& path) {
    const file_read_result file = read_whole_file(path);
    switch (file.status) {
        case file_read_status::read:
            return ini_document::parse(file.bytes);
        case file_read_status::missing:
            return ini_document();
        case file_read_status::failed:
            break;
    }
    return std::nullopt;
}

bool write_ini_file(const std::filesystem::path& path, const ini_document& document) {
    const std::string text = document.text();
    return write_file_atomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace quor
