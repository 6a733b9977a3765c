// quorrings-settings: looks into, checks and converts settings library files
// without starting the display.
//
//   quorrings-settings list FILE              names and tags, one setting a line
//   quorrings-settings unpack FILE.cmp OUT.txt
//   quorrings-settings pack FILE.txt OUT.cmp
//   quorrings-settings check FILE             exit 0 when every setting reads and applies
//
// FILE is read packed when its name ends in ".cmp", as plain text otherwise.

#include "engine/control_error.h"
#include "engine/settings_controls.h"
#include "platform/command_line.h"
#include "platform/stderr_message_box.h"
#include "storage/file_bytes.h"
#include "storage/library_file.h"
#include "storage/lzh_compressor.h"
#include "storage/lzh_exception.h"
#include "storage/setting_conversion.h"
#include "storage/settings_library.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using bytes = std::vector<std::uint8_t>;

constexpr int success = 0;
constexpr int file_fault = 1;

constexpr quor::program_description program{
    "quorrings-settings",
    "usage: quorrings-settings list FILE\n"
    "       quorrings-settings unpack FILE.cmp OUT.txt\n"
    "       quorrings-settings pack FILE.txt OUT.cmp\n"
    "       quorrings-settings check FILE\n"
    "       quorrings-settings (--help | --version)\n"};

// A failure already told to the user; unwinds to main with the exit code.
struct tool_failure {
    int exit_code = file_fault;
};

[[noreturn]] void fail(const std::string& path, const std::string& reason) {
    std::cerr << "quorrings-settings: " << path << ": " << reason << '\n';
    throw tool_failure{};
}

bytes read_file(const std::string& path) {
    quor::file_read_result file = quor::read_whole_file(path);
    if (file.status == quor::file_read_status::missing) fail(path, "no such file");
    if (file.status != quor::file_read_status::read) fail(path, "cannot be read");
    return std::move(file.bytes);
}

// Unlike the program's own loading, which reads what it can and reports the
// damaged text, a conversion refuses a damaged file rather than write out noise.
bytes unpack(const std::string& path, const bytes& packed) {
    try {
        return quor::lzh_unpack_strict(packed);
    } catch (const quor::ElzhException& error) {
        fail(path, error.what());
    }
}

// The library's plain text, unpacked when the name says packed.
bytes library_text(const std::string& path) {
    try {
        return quor::read_library_text(path);
    } catch (const quor::library_file_error& error) {
        std::cerr << "quorrings-settings: " << error.what() << '\n';
        throw tool_failure{};
    }
}

void write_file(const std::string& path, std::span<const std::uint8_t> contents) {
    if (!quor::write_file_atomically(path, contents)) fail(path, "cannot be created");
}

struct read_library {
    quor::settings_library library;
    bool complete = false;
};

read_library parse(const bytes& text) {
    read_library result;
    quor::stderr_message_box messages("quorrings-settings: ", false);
    result.complete = result.library.read_settings(
        std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), messages);
    return result;
}

std::string damage_reason(const read_library& read) {
    return "setting " + std::to_string(read.library.settings.size() + 1) +
           " is malformed or unfinished; the settings file may be corrupt";
}

int list(const std::string& path) {
    const read_library read = parse(library_text(path));
    for (const quor::Quor_setting& setting : read.library.settings) {
        std::cout << setting.name() << '\t' << (setting.screensave() ? "tagged" : "untagged") << '\n';
    }
    std::cout.flush();
    if (!read.complete) fail(path, damage_reason(read));
    return success;
}

int check(const std::string& path) {
    const read_library read = parse(library_text(path));
    if (!read.complete) fail(path, damage_reason(read));
    bool sound = true;
    int tagged = 0;
    for (std::size_t index = 0; index < read.library.settings.size(); ++index) {
        const quor::Quor_setting& setting = read.library.settings[index];
        tagged += setting.screensave() ? 1 : 0;
        quor::settings_controls form;
        try {
            quor::lines_to_controls(form, setting.control_strings);
        } catch (const quor::control_error& error) {
            std::cerr << "quorrings-settings: " << path << ": setting " << index + 1 << " \"" << setting.name()
                      << "\": " << error.what() << '\n';
            sound = false;
        }
    }
    if (!sound) return file_fault;
    std::cout << path << ": " << read.library.settings.size() << " settings, " << tagged << " tagged\n";
    return success;
}

int run(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (quor::answer_standard_option(argument, program, std::cout)) return success;
        if (argument.starts_with("-")) throw quor::usage_error("unknown option " + argument);
    }
    const std::string command = arguments.empty() ? std::string() : arguments[0];
    const std::size_t operands = arguments.empty() ? 0 : arguments.size() - 1;
    if (command == "list" && operands == 1) return list(arguments[1]);
    if (command == "check" && operands == 1) return check(arguments[1]);
    if (command == "unpack" && operands == 2) {
        write_file(arguments[2], unpack(arguments[1], read_file(arguments[1])));
        return success;
    }
    if (command == "pack" && operands == 2) {
        write_file(arguments[2], quor::lzh_pack(read_file(arguments[1])));
        return success;
    }
    if (command.empty()) throw quor::usage_error("no command");
    if (command != "list" && command != "check" && command != "unpack" && command != "pack")
        throw quor::usage_error("unknown command " + command);
    throw quor::usage_error("wrong number of operands for " + command);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const tool_failure& failure) {
        return failure.exit_code;
    } catch (const quor::usage_error& error) {
        return quor::report_usage_error(error, program, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "quorrings-settings: " << error.what() << '\n';
        return file_fault;
    }
}
