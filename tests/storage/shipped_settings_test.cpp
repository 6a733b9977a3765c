#include "engine/control_error.h"
#include "render/animation_palette.h"
#include "storage/file_bytes.h"
#include "storage/lzh_compressor.h"
#include "storage/quor_setting.h"
#include "storage/setting_conversion.h"
#include "support/recording_message_box.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quor {
namespace {

const std::string data_dir = std::string(QUOR_TEST_DIR) + "/../data/";

TEST(shipped_settings, every_setting_reads_applies_whole_and_runs_at_its_designed_speed) {
    const file_read_result packed = read_whole_file(data_dir + "Quor_Rings_32_Settings.cmp");
    ASSERT_EQ(packed.status, file_read_status::read);
    const std::vector<std::uint8_t> plain = lzh_unpack(packed.bytes);
    const std::string text(plain.begin(), plain.end());

    recording_message_box messages;
    animation_palette palette(messages);
    palette.set_palette_dir(data_dir);
    std::vector<std::string> palette_names;
    palette.find_palette_files(palette_names);

    text_reader reader(text);
    std::set<std::string> names;
    int tagged = 0;
    while (!reader.at_end()) {
        Quor_setting setting;
        ASSERT_TRUE(setting.ReadText(reader)) << "after " << names.size() << " settings";
        EXPECT_TRUE(names.insert(setting.name()).second) << "two settings named " << setting.name();
        if (setting.screensave()) ++tagged;

        settings_controls form;
        form.fill_palette_list(palette_names);
        ASSERT_NO_THROW(lines_to_controls(form, setting.control_strings)) << setting.name();
        // Every control is in the setting, and nothing else: it reads back line for line.
        EXPECT_EQ(controls_to_lines(form, setting.name()), setting.control_strings) << setting.name();
        EXPECT_TRUE(form.palette_list.has_selection()) << setting.name();
        EXPECT_GE(form.max_polygons.position(), 1) << setting.name();
        EXPECT_TRUE(form.fix_speed.checked()) << setting.name();
        EXPECT_EQ(form.speed_scroll.position(), 60) << setting.name();
        int total_weight = 0;
        for (int sides = 1; sides <= 10; ++sides) {
            const auto* bar = dynamic_cast<const scroll_bar*>(form.find("density" + std::to_string(sides)));
            EXPECT_EQ(bar->minimum(), -100);
            EXPECT_EQ(bar->maximum(), 0);
            total_weight -= bar->position();
        }
        EXPECT_GT(total_weight, 0) << setting.name() << " draws nothing but points";
    }
    EXPECT_GE(names.size(), 8u);
    EXPECT_GE(tagged, 4);
}

}  // namespace
}  // namespace quor
