#include "shell/program_arguments.h"

#include <charconv>

namespace quor {

std::optional<std::uint64_t> parse_window_id(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint64_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || id == 0) return std::nullopt;
    return id;
}

program_arguments parse_program_arguments(argument_list arguments) {
    program_arguments result;
    bool module_option_seen = false;
    auto module_mode = [&result](module_target target) {
        result.mode = program_mode::module;
        result.module.target = target;
    };
    auto seconds = [&arguments](std::string_view option) -> std::int64_t {
        const auto value = whole_number(arguments.value_of(option));
        if (!value) throw usage_error(std::string(option) + " wants a whole number of seconds");
        return *value;
    };
    while (!arguments.at_end()) {
        const std::string_view argument = arguments.next();
        if (!argument.starts_with("-")) throw usage_error("unexpected argument " + std::string(argument));
        // XScreenSaver writes its options with one dash, GNU style takes two.
        const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (name == "screen") {
            result.screen = std::string(arguments.value_of(argument));
        } else if (name == "list-screens") {
            result.mode = program_mode::list_screens;
        } else if (name == "root") {
            module_mode(module_target::root);
        } else if (name == "window") {
            module_mode(module_target::own_window);
        } else if (name == "window-id") {
            const std::string_view text = arguments.value_of(argument);
            const auto id = parse_window_id(text);
            if (!id) throw usage_error(std::string(argument) + " wants a window id, decimal or 0x hexadecimal, not " +
                                       std::string(text));
            module_mode(module_target::window_id);
            result.module.window_id = *id;
        } else if (name == "setting") {
            result.module.setting = std::string(arguments.value_of(argument));
            module_option_seen = true;
        } else if (name == "all") {
            result.module.all_settings = true;
            module_option_seen = true;
        } else if (name == "cycle" || name == "no-cycle") {
            result.module.cycle = name == "cycle";
            module_option_seen = true;
        } else if (name == "min-time") {
            result.module.min_time = seconds(argument);
            module_option_seen = true;
        } else if (name == "max-time") {
            result.module.max_time = seconds(argument);
            module_option_seen = true;
        } else if (name == "settings-file") {
            result.module.settings_file = std::filesystem::path(std::string(arguments.value_of(argument)));
            module_option_seen = true;
        } else {
            throw usage_error("unknown option " + std::string(argument));
        }
    }
    if (module_option_seen && result.mode != program_mode::module)
        throw usage_error("the screensaver options need --root, --window-id or -window");
    if (result.mode == program_mode::module && result.screen)
        throw usage_error("--screen is for the full-screen program, not a module");
    return result;
}

}  // namespace quor
