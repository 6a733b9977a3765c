#include "platform/command_line.h"

#include <charconv>

namespace quor {

std::string_view argument_list::value_of(std::string_view option) {
    if (at_end()) throw usage_error(std::string(option) + " needs a value");
    return next();
}

bool answer_standard_option(std::string_view argument, const program_description& program, std::ostream& out) {
    if (argument == "--help" || argument == "-h") {
        out << program.usage;
    } else if (argument == "--version") {
        out << program.name << ' ' << program_version() << '\n';
    } else {
        return false;
    }
    out.flush();
    return true;
}

int report_usage_error(const usage_error& error, const program_description& program, std::ostream& err) {
    err << program.name << ": " << error.what() << '\n' << program.usage;
    err.flush();
    return exit_usage;
}

std::optional<std::int64_t> whole_number(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string_view program_version() { return QUORRINGS_VERSION; }

}  // namespace quor
