#pragma once
// An INI file held as its lines, so that a rewrite keeps everything it does not
// change: comments, blank lines, unknown entries and sections, and lines it cannot
// read. Sections and keys are matched without regard to case; where a name occurs
// twice, the first occurrence is the one read and the one written.
//
// A section line is "[name]"; an entry line is "key=value", the key being the text
// before the first "=". Blanks around names and values are dropped on reading.
// Lines starting with ";", lines with no "=" or an empty key, and entries before
// the first section belong to no entry and are kept as they stand.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

struct ini_entry {
    std::string key;
    std::string value;
    friend bool operator==(const ini_entry&, const ini_entry&) = default;
};

class ini_document {
public:
    // Accepts CR LF, bare LF and bare CR line ends.
    static ini_document parse(std::string_view text);
    static ini_document parse(std::span<const std::uint8_t> bytes);

    // Every entry of the section, in file order, empty values included; none
    // when the section is missing.
    std::vector<ini_entry> entries(std::string_view section) const;
    // The value of the key in the section; empty when either is missing.
    std::string value(std::string_view section, std::string_view key) const;

    // Replaces the line of an existing key with "key=value", or adds the entry
    // after the section's last line, adding the section at the end when missing.
    // Throws std::invalid_argument for a name or value that would not read back as
    // written: an empty or bracketed section, a key that is empty, holds "=", or
    // starts with "[" or ";", and any line break.
    void set_value(std::string_view section, std::string_view key, std::string_view value);

    // Every line followed by CR LF.
    std::string text() const;

private:
    enum class line_kind { other, section, entry };
    struct line {
        line_kind kind = line_kind::other;
        std::string text;  // as read or as written
        std::string name;  // section name or key, trimmed
        std::string value;
    };

    // Index of the first section line of that name, or lines_.size().
    std::size_t find_section(std::string_view section) const;
    // One past the section's last line (the next section line or the end).
    std::size_t section_end(std::size_t section_line) const;

    std::vector<line> lines_;
};

// A missing file reads as an empty document; one that exists but cannot be read
// gives nothing, so that a caller does not write over what it never saw.
std::optional<ini_document> read_ini_file(const std::filesystem::path& path);
// Replaces the file as a whole (see write_file_atomically); false when that failed.
bool write_ini_file(const std::filesystem::path& path, const ini_document& document);

}  // namespace quor
