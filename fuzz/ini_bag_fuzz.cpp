// Puts arbitrary bytes where the configuration file lives, takes the options
// from it as start-up does, writes them back as the end of the program does,
// and reads the result again: the options and every other entry must read back
// as they were saved, and whatever was loaded must be writable.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "fuzz_directory.h"
#include "storage/configuration.h"
#include "storage/ini_document.h"
#include "storage/options_controls.h"
#include "support/recording_message_box.h"

namespace {

namespace fs = std::filesystem;

// Values are read without the blanks around them, so a value that the 255-character
// cut ends in a blank reads back without it.
std::string_view without_trailing_blanks(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

void check_same_options(const quor::options_controls& saved, const quor::options_controls& read) {
    QUOR_FUZZ_CHECK(read.Start_mode.checked() == saved.Start_mode.checked());
    QUOR_FUZZ_CHECK(read.cycle_tagged.checked() == saved.cycle_tagged.checked());
    QUOR_FUZZ_CHECK(read.min_time.text() == saved.min_time.text());
    QUOR_FUZZ_CHECK(read.max_time.text() == saved.max_time.text());
    QUOR_FUZZ_CHECK(read.UseCompression.checked() == saved.UseCompression.checked());
    QUOR_FUZZ_CHECK(without_trailing_blanks(read.Settings_file_name.text()) ==
                    without_trailing_blanks(saved.Settings_file_name.text()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quor::ini_document document = quor::ini_document::parse(std::span<const std::uint8_t>(data, size));
    const std::string text = document.text();
    QUOR_FUZZ_CHECK(quor::ini_document::parse(text).text() == text);

    const fs::path& directory = fuzz_program_directory("quorrings_ini_fuzz");
    const fs::path file = directory / quor::configuration_file_name;
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);

    quor::options_controls options;
    quor::read_configuration(options, directory);
    quor::recording_message_box messages;
    QUOR_FUZZ_CHECK(quor::write_configuration(options, directory, messages));
    QUOR_FUZZ_CHECK(messages.messages.empty());

    quor::options_controls reread;
    quor::read_configuration(reread, directory);
    check_same_options(options, reread);
    const quor::TBag& saved = options.Quor_ini;
    for (std::size_t index = 0; index < saved.item_keys().size(); ++index) {
        QUOR_FUZZ_CHECK(without_trailing_blanks(reread.Quor_ini.GetValue(saved.item_keys()[index])) ==
                        without_trailing_blanks(saved.item_values()[index]));
    }
    return 0;
}
