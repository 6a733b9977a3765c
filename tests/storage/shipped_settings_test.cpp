#include "engine/control_error.h"
#include "platform/tick_clock.h"
#include "program_runner.h"
#include "render/animation_palette.h"
#include "shell/animation_session.h"
#include "storage/file_bytes.h"
#include "storage/lzh_compressor.h"
#include "storage/quor_setting.h"
#include "storage/setting_conversion.h"
#include "support/recording_message_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace quor {
namespace {

const std::string data_dir = std::string(QUOR_TEST_DIR) + "/../data/";
const std::string shipped_file = data_dir + "Quor_Rings_32_Settings.cmp";

std::vector<std::string> shipped_palette_names() {
    recording_message_box messages;
    animation_palette palette(messages);
    palette.set_palette_dir(data_dir);
    std::vector<std::string> names;
    palette.find_palette_files(names);
    return names;
}

std::string shipped_text() {
    const file_read_result packed = read_whole_file(shipped_file);
    EXPECT_EQ(packed.status, file_read_status::read);
    const std::vector<std::uint8_t> plain = lzh_unpack(packed.bytes);
    return std::string(plain.begin(), plain.end());
}

// Every setting of the shipped library, each applied to a form of its own.
struct shipped_setting {
    Quor_setting setting;
    std::unique_ptr<settings_controls> form;
};

std::vector<shipped_setting> shipped_settings() {
    const std::vector<std::string> palette_names = shipped_palette_names();
    const std::string text = shipped_text();
    text_reader reader(text);
    std::vector<shipped_setting> settings;
    while (!reader.at_end()) {
        shipped_setting& shipped = settings.emplace_back();
        if (!shipped.setting.ReadText(reader)) {
            ADD_FAILURE() << "setting " << settings.size() << " is unfinished";
            settings.pop_back();
            break;
        }
        shipped.form = std::make_unique<settings_controls>();
        shipped.form->fill_palette_list(palette_names);
        lines_to_controls(*shipped.form, shipped.setting.control_strings);
    }
    return settings;
}

TEST(shipped_settings, every_setting_reads_applies_whole_and_runs_at_its_designed_speed) {
    const std::string text = shipped_text();
    const std::vector<std::string> palette_names = shipped_palette_names();

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
    EXPECT_GE(names.size(), 40u);
    EXPECT_GE(tagged, 15);
}

TEST(shipped_settings, the_settings_tool_finds_the_shipped_library_sound) {
    const std::vector<shipped_setting> settings = shipped_settings();
    int tagged = 0;
    for (const shipped_setting& shipped : settings) tagged += shipped.setting.screensave() ? 1 : 0;

    const testing::tool_run checked = testing::run_program("quorrings-settings", {"check", shipped_file});
    EXPECT_EQ(checked.exit_code, 0) << checked.err;
    EXPECT_EQ(checked.err, "");
    EXPECT_EQ(checked.out, shipped_file + ": " + std::to_string(settings.size()) + " settings, " +
                               std::to_string(tagged) + " tagged\n");
}

TEST(shipped_settings, no_two_settings_are_the_same_under_different_names) {
    std::map<std::vector<std::string>, std::string> names_by_values;
    for (const shipped_setting& shipped : shipped_settings()) {
        std::vector<std::string> values(shipped.setting.control_strings.begin() + 1,
                                        shipped.setting.control_strings.end());
        // The tag is not what one sees.
        std::erase_if(values, [](const std::string& line) { return line.find("Screensaver") != std::string::npos; });
        const auto [place, added] = names_by_values.emplace(values, shipped.setting.name());
        EXPECT_TRUE(added) << shipped.setting.name() << " repeats " << place->second;
    }
}

bool aspect_swings(const settings_controls& form) {
    return form.aspect_f_x.position() != 0 || form.aspect_f_y.position() != 0;
}

TEST(shipped_settings, between_them_the_settings_show_every_mode_and_every_palette) {
    using rule = std::function<bool(const settings_controls&)>;
    const std::vector<std::pair<std::string, rule>> shown = {
        {"no_motion", [](const settings_controls& f) { return f.no_motion.checked(); }},
        {"mouse_motion", [](const settings_controls& f) { return f.mouse_motion.checked(); }},
        {"ran_fluid_motion, ran_uniform",
         [](const settings_controls& f) { return f.ran_fluid_motion.checked() && f.ran_uniform.checked(); }},
        {"ran_fluid_motion, ran_gaussian",
         [](const settings_controls& f) { return f.ran_fluid_motion.checked() && f.ran_gaussian.checked(); }},
        {"ran_jump_motion", [](const settings_controls& f) { return f.ran_jump_motion.checked(); }},
        {"par_motion", [](const settings_controls& f) { return f.par_motion.checked(); }},
        {"no_rotation", [](const settings_controls& f) { return f.no_rotation.checked(); }},
        {"sin_rotation", [](const settings_controls& f) { return f.sin_rotation.checked(); }},
        {"ran_rotation, rot_ran_per",
         [](const settings_controls& f) { return f.ran_rotation.checked() && f.rot_ran_per.checked(); }},
        {"ran_rotation, rot_ran_ran",
         [](const settings_controls& f) { return f.ran_rotation.checked() && f.rot_ran_ran.checked(); }},
        {"shape_per", [](const settings_controls& f) { return f.shape_per.checked(); }},
        {"shape_ran", [](const settings_controls& f) { return f.shape_ran.checked(); }},
        {"draw_solid", [](const settings_controls& f) { return f.draw_solid.checked(); }},
        {"draw_vertices", [](const settings_controls& f) { return f.draw_vertices.checked(); }},
        {"in_out", [](const settings_controls& f) { return f.in_out.checked(); }},
        {"in_out unchecked", [](const settings_controls& f) { return !f.in_out.checked(); }},
        {"aspect distortion, aspect_sync",
         [](const settings_controls& f) { return aspect_swings(f) && f.aspect_sync.checked(); }},
        {"aspect distortion, no aspect_sync",
         [](const settings_controls& f) { return aspect_swings(f) && !f.aspect_sync.checked(); }},
        {"rub_out", [](const settings_controls& f) { return f.rub_out.checked(); }},
        {"rub_out unchecked", [](const settings_controls& f) { return !f.rub_out.checked(); }},
        {"pause_freeze", [](const settings_controls& f) { return f.pause_freeze.checked(); }},
        {"pause_continue", [](const settings_controls& f) { return f.pause_continue.checked(); }},
        {"pause_mouse", [](const settings_controls& f) { return f.pause_mouse.checked(); }},
    };
    const std::vector<shipped_setting> settings = shipped_settings();
    for (const auto& [what, holds] : shown) {
        const bool somewhere = std::any_of(settings.begin(), settings.end(),
                                           [&](const shipped_setting& shipped) { return holds(*shipped.form); });
        EXPECT_TRUE(somewhere) << "no setting shows " << what;
    }

    std::set<std::string> unused;
    for (const std::string& name : shipped_palette_names()) unused.insert(name);
    for (const shipped_setting& shipped : settings)
        if (shipped.form->palette_list.has_selection()) unused.erase(shipped.form->palette_list.selected_item());
    EXPECT_TRUE(unused.empty()) << "no setting shows " << *unused.begin();
}

TEST(shipped_settings, no_screensaver_waits_for_the_mouse) {
    for (const shipped_setting& shipped : shipped_settings()) {
        if (shipped.setting.screensave()) EXPECT_FALSE(shipped.form->mouse_motion.checked()) << shipped.setting.name();
    }
}

}  // namespace
}  // namespace quor

namespace quor {
namespace {

// What a viewer sees of a pixel: a colour bright enough in some channel.
bool lit(std::uint32_t colour) {
    return ((colour >> 16) & 0xff) >= 32 || ((colour >> 8) & 0xff) >= 32 || (colour & 0xff) >= 32;
}

// Every setting shows something at once and keeps showing something: lit within
// its first 2 s, and never black for 2 s or more in its first 20 s, counted in
// frames at its designed speed, at a preview's size.
TEST(shipped_settings, every_setting_is_lit_within_two_seconds_and_never_black_for_two) {
    recording_message_box messages;
    animation_palette palette(messages);
    palette.set_palette_dir(data_dir);
    steady_tick_clock clock;
    for (shipped_setting& shipped : shipped_settings()) {
        SCOPED_TRACE(shipped.setting.name());
        settings_controls& form = *shipped.form;
        // The designed speed the settings form shows for the speed bar.
        const int frames_a_second = std::max(form.speed_scroll.position(), 1);
        random_generators random(7);
        animation_session session({form, palette, random, messages, clock}, 320, 180);
        int first_lit = -1;
        int longest_black = 0;
        int black_run = 0;
        for (int frame = 1; frame <= 20 * frames_a_second; ++frame) {
            session.step();
            const session_picture picture = session.picture();
            const std::uint8_t* pixels = picture.pixels.pixels;
            const bool any_lit = std::any_of(pixels, pixels + 320 * 180,
                                             [&](std::uint8_t index) { return lit(picture.colours[index]); });
            black_run = any_lit ? 0 : black_run + 1;
            longest_black = std::max(longest_black, black_run);
            if (any_lit && first_lit < 0) first_lit = frame;
        }
        EXPECT_GT(first_lit, 0) << "never lit";
        EXPECT_LE(first_lit, 2 * frames_a_second);
        EXPECT_LT(longest_black, 2 * frames_a_second);
    }
    EXPECT_TRUE(messages.messages.empty()) << messages.messages.front();
}

}  // namespace
}  // namespace quor
