#pragma once
// The command line of `quorrings`: the full-screen program on the screen of
// the user's choice, or a screensaver module drawing into a window it is
// given, as XScreenSaver runs its modules.

#include "platform/command_line.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quor {

inline constexpr std::string_view quorrings_usage =
    "usage: quorrings [--screen NAME]\n"
    "       quorrings --list-screens\n"
    "       quorrings (--root | --window-id ID | -window) [--setting NAME] [--all]\n"
    "                 [--cycle | --no-cycle] [--min-time S] [--max-time S] [--settings-file FILE]\n"
    "       quorrings (--help | --version)\n";

inline constexpr program_description quorrings_program_description{"quorrings", quorrings_usage};

enum class program_mode { full_screen, list_screens, module };

// Where a module draws.
enum class module_target { root, window_id, own_window };

struct module_arguments {
    module_target target = module_target::root;
    std::uint64_t window_id = 0;             // with module_target::window_id
    std::optional<std::string> setting;      // --setting NAME
    bool all_settings = false;               // --all: not only tagged ones
    std::optional<bool> cycle;               // --cycle / --no-cycle; none: as configured
    std::optional<std::int64_t> min_time;    // seconds; none: as configured
    std::optional<std::int64_t> max_time;
    std::optional<std::filesystem::path> settings_file;
};

struct program_arguments {
    program_mode mode = program_mode::full_screen;
    std::optional<std::string> screen;  // --screen NAME
    module_arguments module;
};

// Throws usage_error. --help and --version are the caller's, before this.
program_arguments parse_program_arguments(argument_list arguments);

// An X window id as modules are given one: decimal, or hexadecimal after 0x.
std::optional<std::uint64_t> parse_window_id(std::string_view text);

}  // namespace quor
