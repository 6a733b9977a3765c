#include "engine/control_error.h"
#include "storage/quor_setting.h"
#include "storage/setting_conversion.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

namespace quor {
namespace {

// Damaged text built from the pieces real settings are made of, so that the
// damage reaches past the block reader into the controls.
std::string damaged_text(std::uint32_t& seed) {
    static constexpr std::array<std::string_view, 20> pieces = {
        "{ ", "}", "\r\n", "\r", "\n", "\t", " ", "max_polygons", "SPEED_SCROLL", "palette_list", "in_out",
        "designed_speed", "TRUE", "-100", "0", "2147483647", "99999999999", "x", std::string_view("\0", 1), "\xff"};
    std::string text = "{ \r\nname\r\n";
    seed = seed * 1664525u + 1013904223u;
    const int count = static_cast<int>(seed >> 26);
    for (int i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        text += pieces[(seed >> 16) % pieces.size()];
    }
    return text;
}

TEST(setting_text, damaged_text_gives_a_control_error_or_a_setting_never_a_crash) {
    std::uint32_t seed = 12345;
    for (int round = 0; round < 5000; ++round) {
        const std::string text = damaged_text(seed);
        text_reader reader(text);
        Quor_setting setting;
        setting.ReadText(reader);
        settings_controls form;
        form.fill_palette_list(std::array{"FIRE.PAL", "ICE.PAL"});
        try {
            lines_to_controls(form, setting.control_strings);
        } catch (const control_error&) {
        }
        for (const control* component : form.components()) {
            if (auto* bar = dynamic_cast<const scroll_bar*>(component)) {
                ASSERT_LE(bar->minimum(), bar->position()) << text;
                ASSERT_LE(bar->position(), bar->maximum()) << text;
            }
        }
    }
}

}  // namespace
}  // namespace quor
