// Puts arbitrary bytes where the packed settings file lives (the first byte
// chooses packed or plain storage), loads it as start-up does, changes the
// library and saves it as quitting does. Whatever the damage, nothing stored is
// lost: a damaged file is kept byte for byte beside the new one, and the new
// file reads back as the list that was saved.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/settings_controls.h"
#include "engine/uniform_random.h"
#include "fuzz_check.h"
#include "fuzz_directory.h"
#include "storage/progress_box.h"
#include "storage/settings_file.h"
#include "storage/settings_library.h"
#include "support/files.h"
#include "support/recording_message_box.h"

namespace fs = std::filesystem;
using quor::testing::file_text;
using quor::testing::put_file;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const fs::path& directory = fuzz_program_directory("quorrings_settings_fuzz");
    const quor::settings_file_location file{directory, "Quor_Rings_32_Settings", (data[0] & 1) != 0};
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (const auto& entry : fs::directory_iterator(directory)) fs::remove(entry.path());
    put_file(file.chosen_path(), bytes);

    quor::settings_library library;
    quor::settings_controls form;
    quor::uniform_random random(static_cast<std::int32_t>(size));
    quor::silent_progress_box progress;
    quor::recording_message_box messages;
    const quor::library_load_result loaded =
        quor::load_settings_library(library, file, true, form, random, progress, messages);
    QUOR_FUZZ_CHECK(!loaded.end_program);
    const bool damaged = library.damaged_original.has_value();

    // A change as the library dialog makes one: a new setting from the form.
    library.settings.emplace_back();
    library.settings.back().control_strings = {"Saved by the fuzzer", "         Screensaver\tTRUE"};
    library.library_modified = true;
    messages.messages.clear();
    QUOR_FUZZ_CHECK(quor::save_settings_file(library, file, progress, messages) == quor::save_result::saved);

    fs::path kept = file.chosen_path();
    kept += ".damaged";
    QUOR_FUZZ_CHECK(fs::exists(kept) == damaged);
    if (damaged) QUOR_FUZZ_CHECK(file_text(kept) == bytes);
    QUOR_FUZZ_CHECK(messages.messages.size() == (damaged ? 1u : 0u));

    quor::settings_library reread;
    quor::settings_controls reread_form;
    quor::recording_message_box reread_messages;
    quor::load_settings_library(reread, file, true, reread_form, random, progress, reread_messages);
    QUOR_FUZZ_CHECK(!reread.damaged_original);
    QUOR_FUZZ_CHECK(reread.settings.size() == library.settings.size());
    for (std::size_t index = 0; index < library.settings.size(); ++index)
        QUOR_FUZZ_CHECK(reread.settings[index].control_strings == library.settings[index].control_strings);
    return 0;
}
