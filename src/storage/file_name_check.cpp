#include "storage/file_name_check.h"

namespace quor {
namespace {

// The reader splits longer lines, and a name of exactly this length is
// followed by an empty line that ends the block.
constexpr std::size_t longest_setting_name = 4095;

bool control_character(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
}

}  // namespace

std::optional<std::string> settings_file_name_problem(std::string_view name) {
    if (name.empty()) return "The file name is empty";
    if (name == "." || name == "..") return "The file name cannot be . or ..";
    for (char c : name) {
        if (c == '/' || c == '\\') return "The file name cannot hold a folder";
        if (control_character(c)) return "The file name cannot hold control characters";
        if (std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
            return std::string("The file name cannot hold ") + c;
        }
    }
    return std::nullopt;
}

std::optional<std::string> setting_name_problem(std::string_view name) {
    if (name.empty()) return "A setting needs a name";
    if (name.front() == '}') return "A name cannot begin with }";
    for (char c : name) {
        if (control_character(c)) return "A name cannot hold control characters";
    }
    if (name.size() > longest_setting_name) return "That name is too long";
    return std::nullopt;
}

}  // namespace quor
