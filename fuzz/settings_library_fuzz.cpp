// Reads arbitrary bytes as a plain settings file through the library's own
// reader, writes the list back and reads it again, and applies every setting
// and a random pick to a fresh settings form. Damage shows the corruption
// message at most once and shortens the list; it never crashes, and nothing the
// reader kept is changed by saving it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/control_error.h"
#include "engine/scroll_bar.h"
#include "engine/settings_controls.h"
#include "engine/uniform_random.h"
#include "fuzz_check.h"
#include "storage/setting_conversion.h"
#include "storage/settings_library.h"
#include "support/recording_message_box.h"

namespace {

constexpr std::array palette_names = {"FIRE.PAL", "ICE.PAL", "RAINBOW.PAL"};

void check_scroll_bars(const quor::settings_controls& form) {
    for (const quor::control* component : form.components()) {
        if (const auto* bar = dynamic_cast<const quor::scroll_bar*>(component)) {
            QUOR_FUZZ_CHECK(bar->minimum() <= bar->position());
            QUOR_FUZZ_CHECK(bar->position() <= bar->maximum());
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    quor::recording_message_box messages;
    quor::settings_library library;
    const bool sound = library.read_settings(text, messages);
    QUOR_FUZZ_CHECK(messages.messages.size() == (sound ? 0u : 1u));

    const std::string written = library.write_settings();
    quor::settings_library reread;
    quor::recording_message_box reread_messages;
    reread.read_settings(written, reread_messages);
    QUOR_FUZZ_CHECK(reread.settings.size() == library.settings.size());
    for (std::size_t index = 0; index < library.settings.size(); ++index) {
        QUOR_FUZZ_CHECK(reread.settings[index].control_strings == library.settings[index].control_strings);
    }

    for (const auto& setting : library.settings) {
        quor::settings_controls form;
        form.fill_palette_list(palette_names);
        try {
            quor::lines_to_controls(form, setting.control_strings);
        } catch (const quor::control_error&) {
            // Lines before the damaged one stay applied; the form stays usable.
        }
        check_scroll_bars(form);
    }

    quor::uniform_random random(size);
    for (const bool tagged_only : {true, false}) {
        quor::settings_controls form;
        form.fill_palette_list(palette_names);
        try {
            const auto row = library.pick_random_setting(tagged_only, random, form);
            QUOR_FUZZ_CHECK(row.has_value() == !library.settings.empty());
            if (row) QUOR_FUZZ_CHECK(*row < library.settings.size());
        } catch (const quor::control_error&) {
        }
        check_scroll_bars(form);
    }
    return 0;
}
