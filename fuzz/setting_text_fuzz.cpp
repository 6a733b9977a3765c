// Reads arbitrary bytes as a plain settings library, block after block as the
// library does, and applies every setting read to a fresh settings form. Damage
// ends the list or raises a control error; it never crashes, and what was read
// is written back and read again unchanged. A setting applied to the form and
// taken from it again applies to a second form with the same result.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/control_error.h"
#include "engine/scroll_bar.h"
#include "engine/settings_controls.h"
#include "fuzz_check.h"
#include "storage/quor_setting.h"
#include "storage/setting_conversion.h"
#include "storage/text_reader.h"

namespace {

constexpr std::array palette_names = {"FIRE.PAL", "ICE.PAL", "RAINBOW.PAL"};

// The settings read before the first damaged block.
std::vector<quor::Quor_setting> read_library(std::string_view text) {
    std::vector<quor::Quor_setting> settings;
    quor::text_reader reader(text);
    for (;;) {
        quor::Quor_setting setting;
        if (!setting.ReadText(reader)) break;
        settings.push_back(std::move(setting));
        if (reader.at_end()) break;
    }
    return settings;
}

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
    const std::vector<quor::Quor_setting> settings = read_library(text);

    std::string written;
    for (const auto& setting : settings) setting.WriteText(written);
    const std::vector<quor::Quor_setting> reread = read_library(written);
    QUOR_FUZZ_CHECK(reread.size() == settings.size());
    for (std::size_t index = 0; index < settings.size(); ++index) {
        QUOR_FUZZ_CHECK(reread[index].control_strings == settings[index].control_strings);
    }

    for (const auto& setting : settings) {
        quor::settings_controls form;
        form.fill_palette_list(palette_names);
        try {
            quor::lines_to_controls(form, setting.control_strings);
        } catch (const quor::control_error&) {
            // Lines before the damaged one stay applied; the form stays usable.
        }
        check_scroll_bars(form);
        const std::vector<std::string> taken = quor::controls_to_lines(form, "taken");
        quor::settings_controls second;
        second.fill_palette_list(palette_names);
        quor::lines_to_controls(second, taken);
        QUOR_FUZZ_CHECK(quor::controls_to_lines(second, "taken") == taken);
    }
    return 0;
}
