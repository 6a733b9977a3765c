#include "storage/bag.h"

#include <charconv>
#include <filesystem>
#include <optional>

#include "engine/text_case.h"
#include "storage/ini_document.h"

namespace quor {
namespace {

constexpr std::size_t longest_loaded_value = 255;
constexpr std::size_t longest_integer_text = 99;

}  // namespace

TBag::TBag(std::string program_directory) : program_directory_(std::move(program_directory)) {}

void TBag::SetIniFile(const std::string& path) {
    ini_file_ = std::filesystem::path(path).has_parent_path() ? path : program_directory_ + path;
}

void TBag::CheckIni() const {
    if (ini_file_.empty()) throw EBagError(bag_no_file_message);
    if (ini_section_.empty()) throw EBagError(bag_no_section_message);
}

std::size_t TBag::find_item(const std::string& name) const {
    if (name.empty()) throw EBagError(bag_no_item_message);
    std::size_t index = 0;
    while (index < item_keys_.size() && !equal_ignoring_case(item_keys_[index], name)) ++index;
    return index;
}

std::string TBag::GetValue(const std::string& name) const {
    const std::size_t index = find_item(name);
    return index < item_values_.size() ? item_values_[index] : std::string();
}

void TBag::SetValue(const std::string& name, const std::string& value) {
    const std::size_t index = find_item(name);
    if (index < item_values_.size()) {
        item_values_[index] = value;
        return;
    }
    item_keys_.push_back(to_upper(name));
    item_values_.push_back(value);
}

void TBag::LoadFromIni() {
    CheckIni();
    const std::optional<ini_document> document = read_ini_file(ini_file_);
    if (document) load_from_document(*document);
}

void TBag::load_from_document(const ini_document& document) {
    std::vector<std::string> seen;
    for (const auto& entry : document.entries(ini_section_)) {
        bool repeated = false;
        for (const auto& key : seen) repeated = repeated || equal_ignoring_case(key, entry.key);
        if (repeated) continue;
        seen.push_back(entry.key);
        if (entry.value.empty()) continue;
        SetValue(entry.key, entry.value.substr(0, longest_loaded_value));
    }
}

void TBag::SaveToIni() {
    CheckIni();
    if (item_keys_.empty()) return;
    std::optional<ini_document> document = read_ini_file(ini_file_);
    if (!document) throw EBagError("Unable to write to " + ini_file_);
    try {
        save_to_document(*document);
    } catch (const std::invalid_argument&) {
        throw EBagError("Unable to write to " + ini_file_);
    }
    if (!write_ini_file(ini_file_, *document)) throw EBagError("Unable to write to " + ini_file_);
}

void TBag::save_to_document(ini_document& document) const {
    for (std::size_t index = 0; index < item_keys_.size(); ++index) {
        document.set_value(ini_section_, item_keys_[index], item_values_[index]);
    }
}

bool TBag::ReadBool(const std::string& name, bool default_value) const {
    const std::string value = GetValue(name);
    return value.empty() ? default_value : value == "1";
}

void TBag::WriteBool(const std::string& name, bool value) { SetValue(name, value ? "1" : "0"); }

std::int32_t TBag::ReadInteger(const std::string& name, std::int32_t default_value) const {
    const std::string value = GetValue(name);
    if (value.empty()) return default_value;
    std::string_view digits = std::string_view(value).substr(0, longest_integer_text);
    // from_chars takes no plus sign; a second sign after one is still invalid.
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') return 0;
    }
    std::int32_t result = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) return 0;
    return result;
}

void TBag::WriteInteger(const std::string& name, std::int32_t value) { SetValue(name, std::to_string(value)); }

std::string TBag::ReadString(const std::string& name, const std::string& default_value) const {
    const std::string value = GetValue(name);
    return value.empty() ? default_value : value;
}

void TBag::WriteString(const std::string& name, const std::string& value) { SetValue(name, value); }

}  // namespace quor
