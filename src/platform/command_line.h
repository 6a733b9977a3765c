#pragma once
// What every program of ours does with its command line: `--help` prints the
// usage on standard output and exits 0, `--version` prints the name and
// version and exits 0, and a wrong argument prints what is wrong and the usage
// on standard error and exits 2.

#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

inline constexpr int exit_usage = 2;

struct program_description {
    std::string_view name;   // as typed: "quorrings-render"
    std::string_view usage;  // lines starting "usage: ", each ending in a line feed
};

// Says what is wrong with the arguments.
class usage_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program's name, one at a time.
class argument_list {
public:
    argument_list(int argc, char** argv) : arguments_(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0)) {}
    explicit argument_list(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {}

    bool at_end() const { return next_ >= arguments_.size(); }
    std::string_view next() { return arguments_.at(next_++); }
    // The value after `option`; usage_error when there is none.
    std::string_view value_of(std::string_view option);

private:
    std::vector<std::string> arguments_;
    std::size_t next_ = 0;
};

// --help or --version answered on `out`: true when `argument` was one of them.
bool answer_standard_option(std::string_view argument, const program_description& program, std::ostream& out);
// Prints "NAME: what\n" and the usage; returns the exit code for it.
int report_usage_error(const usage_error& error, const program_description& program, std::ostream& err);

// A whole decimal number that fits; none for anything else.
std::optional<std::int64_t> whole_number(std::string_view text);

// This build's version, "1.0".
std::string_view program_version();

}  // namespace quor
