#include "engine/control_error.h"
#include "storage/quor_setting.h"
#include "storage/setting_conversion.h"
#include "storage/setting_lines.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quor {
namespace {

using lines = std::vector<std::string>;

const std::array shipped_palettes = {"FIRE.PAL", "ICE.PAL", "RAINBOW.PAL", "SUNSET.PAL"};

std::string read_file(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The library fixture in the repository, and the shared copy when there is one.
std::vector<std::filesystem::path> library_fixtures() {
    std::vector<std::filesystem::path> paths = {std::filesystem::path(QUOR_TEST_DIR) / "storage/fixtures/lzh/library3.txt"};
    const std::filesystem::path shared = std::filesystem::path(QUOR_SHARED_DIR) / "fixtures/lzh/library3.txt";
    if (std::filesystem::exists(shared)) paths.push_back(shared);
    return paths;
}

// The control line of a setting that names the control; empty when none does.
std::string line_of(const lines& setting, std::string_view control_name) {
    std::vector<std::string> fields;
    for (std::size_t index = 1; index < setting.size(); ++index) {
        if (!split_fields(setting[index], fields).empty() && fields.front() == control_name) return setting[index];
    }
    return {};
}

std::vector<Quor_setting> read_library(std::string_view text) {
    text_reader reader(text);
    std::vector<Quor_setting> settings;
    while (!reader.at_end()) {
        Quor_setting& setting = settings.emplace_back();
        EXPECT_TRUE(setting.ReadText(reader)) << "block " << settings.size();
    }
    return settings;
}

TEST(controls_to_lines, writes_the_designed_form_as_right_aligned_names_and_tab_separated_values) {
    settings_controls form;
    lines written = {"stale"};
    controls_to_lines(form, written, "Temp setting");
    ASSERT_EQ(written.size(), 62u) << "name and 61 lines: no palette selected, no palette line";
    EXPECT_EQ(written[0], "Temp setting");
    EXPECT_EQ(line_of(written, "Screensaver"), "         Screensaver\tFALSE");
    EXPECT_EQ(line_of(written, "max_polygons"), "        max_polygons\t0\t100\t0");
    EXPECT_EQ(line_of(written, "ran_rotation"), "        ran_rotation\tFALSE");
    EXPECT_EQ(line_of(written, "rot_ran_per"), "         rot_ran_per\tTRUE");
    EXPECT_EQ(line_of(written, "palette_inc"), "         palette_inc\t-128\t128\t0");
    EXPECT_EQ(line_of(written, "pause_freeze"), "        pause_freeze\tFALSE");
    EXPECT_EQ(line_of(written, "speed_scroll"), "        speed_scroll\t1\t200\t1");

    form.fill_palette_list(shipped_palettes);
    form.palette_list.set_item_index(1);
    form.in_out.set_checked(true);
    form.density10.set_minimum(-100);
    form.density10.set_position(-37);
    written = controls_to_lines(form, "");
    ASSERT_EQ(written.size(), 63u);
    EXPECT_EQ(written[0], "");
    EXPECT_EQ(line_of(written, "in_out"), "              in_out\tTRUE");
    EXPECT_EQ(line_of(written, "density10"), "           density10\t-100\t100\t-37");
    EXPECT_EQ(line_of(written, "palette_list"), "        palette_list\tICE.PAL");
    EXPECT_EQ(padded_control_name("a_name_longer_than_twenty"), "a_name_longer_than_twenty");
}

TEST(setting_text, the_fixture_library_reads_and_writes_back_byte_for_byte) {
    for (const auto& path : library_fixtures()) {
        const std::string text = read_file(path);
        ASSERT_FALSE(text.empty()) << path;
        const auto settings = read_library(text);
        ASSERT_EQ(settings.size(), 3u) << path;
        EXPECT_EQ(settings[0].name(), "Sample setting 1");
        EXPECT_EQ(settings[0].control_strings.size(), 63u);
        EXPECT_TRUE(settings[0].screensave());
        EXPECT_FALSE(settings[1].screensave());

        std::string written;
        for (const auto& setting : settings) setting.WriteText(written);
        EXPECT_EQ(written, text) << path;
    }
}

TEST(setting_text, each_fixture_setting_applied_to_the_form_is_written_again_unchanged) {
    for (const auto& path : library_fixtures()) {
        settings_controls form;
        form.fill_palette_list(shipped_palettes);
        for (const auto& setting : read_library(read_file(path))) {
            lines_to_controls(form, setting.control_strings);
            EXPECT_EQ(controls_to_lines(form, setting.name()), setting.control_strings) << setting.name();
        }
        EXPECT_EQ(form.f_speed.caption(), "0");
    }
}

TEST(lines_to_controls, applies_names_without_regard_to_case_and_flags_only_for_exact_TRUE) {
    settings_controls form;
    form.fill_palette_list(shipped_palettes);
    form.palette_list.set_item_index(0);
    form.in_out.set_checked(true);
    lines_to_controls(form, {"ignored name line",
                             "MAX_POLYGONS\t0\t100\t7",
                             "in_out\tTrue",
                             "rub_out\tTRUE",
                             "rot_ran_per\tFALSE",     // leaves its group with none checked
                             "palette_list\tsunset.pal",
                             "designed_speed\t42",
                             "f_speed\t9",             // a label other than designed_speed
                             "rot_zero\tTRUE",         // a button
                             "no_such_control\t1\t2\t3"});
    EXPECT_EQ(form.max_polygons.position(), 7);
    EXPECT_FALSE(form.in_out.checked());
    EXPECT_TRUE(form.rub_out.checked());
    EXPECT_FALSE(form.rot_ran_per.checked());
    EXPECT_FALSE(form.rot_ran_ran.checked());
    EXPECT_EQ(form.palette_list.selected_item(), "SUNSET.PAL");
    EXPECT_EQ(form.designed_speed.caption(), "42");
    EXPECT_EQ(form.f_speed.caption(), "0");
}

TEST(lines_to_controls, an_unknown_or_split_palette_name_leaves_no_selection) {
    for (std::string line : {"palette_list\tNOT.PAL", "palette_list\tICE .PAL"}) {
        settings_controls form;
        form.fill_palette_list(shipped_palettes);
        form.palette_list.set_item_index(2);
        lines_to_controls(form, {"n", line});
        EXPECT_FALSE(form.palette_list.has_selection()) << line;
    }
    // No palette line at all keeps the selection.
    settings_controls form;
    form.fill_palette_list(shipped_palettes);
    form.palette_list.set_item_index(2);
    lines_to_controls(form, controls_to_lines(settings_controls(), "other"));
    EXPECT_EQ(form.palette_list.item_index(), 2);
}

TEST(lines_to_controls, a_bad_line_stops_with_the_toolkit_message_after_the_lines_before_it) {
    struct bad_line {
        std::string line;
        std::string message;
    };
    const std::vector<bad_line> cases = {
        {"", "List index out of bounds"},
        {" \t ", "List index out of bounds"},
        {"in_out", "List index out of bounds"},
        {"palette_list", "List index out of bounds"},
        {"designed_speed", "List index out of bounds"},
        {"vanishing\t0\t100", "List index out of bounds"},
        {"vanishing\tten\t100\t5", "'ten' is not a valid integer value"},
        {"vanishing\t0\t100\t5.5", "'5.5' is not a valid integer value"},
        {"vanishing\t0\t99999999999\t5", "'99999999999' is not a valid integer value"},
        {"vanishing\t50\t10\t20", "Scrollbar property out of range"},
        {"vanishing\t150\t10\t20", "Scrollbar property out of range"},
        {"vanishing\t150", "Scrollbar property out of range"},
    };
    for (const auto& c : cases) {
        settings_controls form;
        try {
            lines_to_controls(form, {"n", "max_polygons\t0\t100\t33", c.line, "rub_out\tTRUE"});
            ADD_FAILURE() << "accepted: " << c.line;
        } catch (const control_error& error) {
            EXPECT_EQ(error.what(), c.message) << c.line;
        }
        EXPECT_EQ(form.max_polygons.position(), 33) << c.line;
        EXPECT_FALSE(form.rub_out.checked()) << c.line;
        EXPECT_EQ(form.f_speed.caption(), "1") << c.line;
    }
}

TEST(lines_to_controls, a_sound_range_loads_whatever_range_the_bar_had_before) {
    settings_controls form;
    form.density1.set_range(-100, 0);
    lines_to_controls(form, {"n", "density1\t10\t100\t40", "vanishing\t200\t300\t250", "perspective\t-50\t-10\t0"});
    EXPECT_EQ(form.density1.minimum(), 10);
    EXPECT_EQ(form.density1.position(), 40);
    EXPECT_EQ(form.vanishing.minimum(), 200);
    EXPECT_EQ(form.vanishing.maximum(), 300);
    EXPECT_EQ(form.vanishing.position(), 250);
    EXPECT_EQ(form.perspective.maximum(), -10);
    EXPECT_EQ(form.perspective.position(), -10);
}

TEST(lines_to_controls, runs_the_controls_handlers_line_by_line) {
    settings_controls form;
    std::vector<std::string> events;
    form.fix_speed.on_click = [&](check_box& box) {
        events.push_back("fix_speed " + std::string(box.checked() ? "on" : "off"));
    };
    form.speed_scroll.on_change = [&](scroll_bar& bar) {
        events.push_back("speed " + std::to_string(bar.position()));
    };
    lines_to_controls(form, {"n", "fix_speed\tTRUE", "speed_scroll\t1\t200\t30", "speed_scroll\t1\t200\t30",
                             "speed_scroll\t50\t200\t30"});
    EXPECT_EQ(events, (lines{"fix_speed on", "speed 30", "speed 50"}));
}

}  // namespace
}  // namespace quor
