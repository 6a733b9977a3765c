#pragma once
// Runs one of the built programs as a user would and collects what it said.

#include "library_test_support.h"
#include "support/temporary_directory.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace quor::testing {

struct tool_run {
    int exit_code = -1;
    std::string out;
    std::string err;
};

inline std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

// `program` is one of ours, or a full path. `environment` holds NAME=value
// settings for the program's run only.
inline tool_run run_program(const std::string& program, const std::vector<std::string>& arguments,
                            const std::vector<std::string>& environment = {}) {
    const temporary_directory output;
    std::string command = environment.empty() ? "" : "env ";
    for (const std::string& setting : environment) command.append(quoted(setting)).append(" ");
    command.append(quoted((std::filesystem::path(QUOR_BIN_DIR) / program).string()));
    for (const std::string& argument : arguments) command.append(" ").append(quoted(argument));
    command.append(" >").append(quoted((output.path() / "out").string()));
    command.append(" 2>").append(quoted((output.path() / "err").string()));
    const int status = std::system(command.c_str());
    tool_run run;
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = file_text(output.path() / "out");
    run.err = file_text(output.path() / "err");
    return run;
}

}  // namespace quor::testing
