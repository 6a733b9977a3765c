#pragma once
// TBag: named string values kept in memory in order of first appearance, loaded
// from and saved to one section of one INI file. The options dialog keeps the
// program's configuration in one.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace quor {

class ini_document;

class EBagError : public std::runtime_error {
public:
    explicit EBagError(const std::string& message) : std::runtime_error(message) {}
};

class TBag {
public:
    // `program_directory` ends with a separator; a bare file name given to
    // SetIniFile is looked up there.
    explicit TBag(std::string program_directory = {});

    // Keeps a path with a directory part as it is; puts the program directory
    // before a bare file name.
    void SetIniFile(const std::string& path);
    const std::string& IniFile() const { return ini_file_; }
    void SetIniSect(const std::string& section) { ini_section_ = section; }
    const std::string& IniSect() const { return ini_section_; }

    // Throws EBagError when the file or the section is not named.
    void CheckIni() const;

    // Names are matched without regard to case; an empty name throws EBagError.
    // A missing item reads as empty.
    std::string GetValue(const std::string& name) const;
    // A new item is added under the upper-case name.
    void SetValue(const std::string& name, const std::string& value);

    // Adds every entry of the section with a value (cut to 255 characters); a
    // missing file or section adds nothing. Where a key occurs twice in the
    // section, its first entry is taken, as that is the entry SaveToIni rewrites.
    void LoadFromIni();
    // Writes every item into the section (nothing at all when there are none),
    // keeping the rest of the file. Throws EBagError "Unable to write to <path>"
    // when the file cannot be read or replaced, or an item would not read back as
    // written (a line break in it); the old file is then left whole.
    void SaveToIni();

    // The two halves of LoadFromIni and SaveToIni that work on a document in
    // memory, so that damaged files can be fed to them directly.
    void load_from_document(const ini_document& document);
    // Throws std::invalid_argument for an item that would not read back as written.
    void save_to_document(ini_document& document) const;

    // Empty: the default; otherwise true exactly for "1".
    bool ReadBool(const std::string& name, bool default_value) const;
    void WriteBool(const std::string& name, bool value);
    // Empty: the default; otherwise the first 99 characters as a decimal integer,
    // 0 when they are not one.
    std::int32_t ReadInteger(const std::string& name, std::int32_t default_value) const;
    void WriteInteger(const std::string& name, std::int32_t value);
    std::string ReadString(const std::string& name, const std::string& default_value) const;
    void WriteString(const std::string& name, const std::string& value);

    std::int32_t item_count() const { return static_cast<std::int32_t>(item_keys_.size()); }
    const std::vector<std::string>& item_keys() const { return item_keys_; }  // upper case
    const std::vector<std::string>& item_values() const { return item_values_; }

private:
    // Index of the item of that name, or item_keys_.size().
    std::size_t find_item(const std::string& name) const;

    std::string program_directory_;
    std::vector<std::string> item_keys_;
    std::vector<std::string> item_values_;
    std::string ini_file_;
    std::string ini_section_;
};

inline constexpr const char* bag_no_item_message = "No item specified";
inline constexpr const char* bag_no_file_message = "No INI file specified";
inline constexpr const char* bag_no_section_message = "No INI file section specified";

}  // namespace quor
