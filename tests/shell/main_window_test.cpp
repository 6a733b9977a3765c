#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>

#include "recording_rings.h"
#include "storage/setting_conversion.h"
#include "support/fake_tick_clock.h"
#include "support/recording_message_box.h"

namespace quor {
namespace {

constexpr std::int64_t ticks_per_second = 1'000'000;

using testing::engine_log;

// A palette directory with one file of 20 distinct colours, removed afterwards.
class palette_folder {
public:
    palette_folder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("quor_window_" + std::to_string(seed()));
        std::filesystem::create_directories(path_ / "palette");
        std::ofstream file(path_ / "palette" / "TEST.PAL", std::ios::binary);
        file << "20\r\n";
        for (int colour = 0; colour < 20; ++colour) file << colour * 10 << " 0 0\r\n";
    }
    ~palette_folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string program_dir() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

// The seed after which Random(n) draws 1 (n of 2 or more): the next seed must be
// the smallest s with s * n >= 2^32, and the step s -> s * 134775813 + 1 is undone
// with the multiplier's inverse modulo 2^32.
std::uint32_t seed_drawing_one(std::uint32_t n) {
    const std::uint64_t next = ((std::uint64_t{1} << 32) + n - 1) / n;
    std::uint32_t inverse = 134775813u;
    for (int round = 0; round < 5; ++round) inverse *= 2u - 134775813u * inverse;
    return static_cast<std::uint32_t>(next - 1) * inverse;
}

class main_window_test : public ::testing::Test {
protected:
    main_window_test() {
        clock.advance_seconds(1000);
        palette.set_palette_dir(folder.program_dir());
        palette.read_palette_file("TEST.PAL");
        // Every engine built loads the form's palette.
        form.fill_palette_list(std::vector<std::string>{"TEST.PAL"});
        form.palette_list.set_item_index(0);
        form.palette_inc.set_position(128);
        form.designed_speed.set_caption("25");
        options.Run_mode.set_checked(false);
    }

    main_window& window() {
        if (!window_) window_ = std::make_unique<main_window>(services(), 64, 48);
        return *window_;
    }
    main_window_services services() {
        return {form,
                options,
                palette,
                random,
                messages,
                cursors,
                clock,
                testing::recording_factory(engines),
                [this] { return settings_form(); },
                [this](bool tagged_only) { picks.push_back(tagged_only); },
                [this] { return about_box_visible; }};
    }

    bool frame() {
        bool done = true;
        window().idle_frame(done);
        return done;
    }
    std::uint32_t first_animated_colour() const { return palette.colours()[10]; }

    palette_folder folder;
    recording_message_box messages;
    animation_palette palette{messages};
    settings_controls form;
    options_controls options;
    random_generators random{12345};
    testing::recording_cursor cursors;
    fake_tick_clock clock{ticks_per_second};
    engine_log engines;
    std::vector<bool> picks;
    bool about_box_visible = false;
    // What the settings form does while it is shown; answers Cancel unless told.
    std::function<modal_result()> settings_form = [] { return modal_result::cancel; };
    std::unique_ptr<main_window> window_;
};

TEST_F(main_window_test, each_pause_mode_moves_what_it_should) {
    struct mode_case {
        const char* name;
        radio_button settings_controls::*mode;
        bool paused;
        bool rotates;
        bool steps;
        bool done;
    };
    const mode_case cases[] = {
        {"running", &settings_controls::pause_continue, false, true, true, false},
        {"total freeze", &settings_controls::pause_freeze, true, false, false, false},
        {"continue cycling", &settings_controls::pause_continue, true, true, false, false},
        {"mouse move cycling", &settings_controls::pause_mouse, true, true, false, true},
    };
    for (const mode_case& test : cases) {
        SCOPED_TRACE(test.name);
        (form.*test.mode).set_checked(true);
        if (window().paused() != test.paused) window().FormMouseDown(mouse_button::right);
        const std::uint32_t colour = first_animated_colour();
        const int steps = engines.steps;
        const bool done = frame();
        EXPECT_EQ(first_animated_colour() != colour, test.rotates);
        EXPECT_EQ(engines.steps - steps, test.steps ? 1 : 0);
        EXPECT_EQ(done, test.done);
    }
}

TEST_F(main_window_test, only_the_right_button_toggles_the_pause) {
    window().FormMouseDown(mouse_button::left);
    window().FormMouseDown(mouse_button::middle);
    EXPECT_FALSE(window().paused());
    window().FormMouseDown(mouse_button::right);
    EXPECT_TRUE(window().paused());
    window().FormMouseDown(mouse_button::right);
    EXPECT_FALSE(window().paused());
}

TEST_F(main_window_test, a_still_palette_step_never_rotates) {
    form.palette_inc.set_position(0);
    const std::uint32_t colour = first_animated_colour();
    for (int frame_number = 0; frame_number < 200; ++frame_number) frame();
    EXPECT_EQ(first_animated_colour(), colour);
    EXPECT_EQ(engines.steps, 200);
}

TEST_F(main_window_test, ok_rebuilds_from_the_form_and_ends_the_pause) {
    window().FormMouseDown(mouse_button::right);
    window().FormMouseMove(5, 7);
    frame();
    clock.advance_seconds(10);
    settings_form = [this] {
        EXPECT_TRUE(window().settings_open());
        EXPECT_EQ(form.f_speed.caption(), "25");  // the average, which starts at the designed speed
        form.designed_speed.set_caption("50");
        form.palette_inc.set_position(-128);
        return modal_result::ok;
    };
    window().screen().set_pixel(3, 3, 200);
    window().FormClick();

    EXPECT_FALSE(window().paused());
    EXPECT_FALSE(window().settings_open());
    EXPECT_EQ(engines.built, 2);
    EXPECT_EQ(window().screen().pixel(3, 3), 0);
    EXPECT_DOUBLE_EQ(window().regulator().frame_period(), 0.02);
    EXPECT_EQ(window().phase().step(), -128 * 5000);
    EXPECT_DOUBLE_EQ(window().last_cycle(), 1010.0);
    EXPECT_EQ(window().mouse().mouse_x, 5);
    EXPECT_EQ(window().mouse().mouse_y, 7);
}

TEST_F(main_window_test, cancel_restores_the_controls_and_changes_nothing_else) {
    form.max_polygons.set_position(20);
    window().FormMouseDown(mouse_button::right);
    const double started = window().last_cycle();
    const std::vector<std::string> before = controls_to_lines(form, "before");
    clock.advance_seconds(10);
    settings_form = [this] {
        form.max_polygons.set_position(5);
        form.pause_mouse.set_checked(true);
        return modal_result::cancel;
    };
    window().FormClick();

    EXPECT_EQ(controls_to_lines(form, "before"), before);
    EXPECT_TRUE(window().paused());
    EXPECT_FALSE(window().settings_open());
    EXPECT_EQ(engines.built, 1);
    EXPECT_DOUBLE_EQ(window().last_cycle(), started);
}

TEST_F(main_window_test, asks_to_stop_auto_cycling_only_for_changes_made_by_hand) {
    struct question_case {
        const char* name;
        bool run_mode;
        bool loaded;
        bool changed;
        bool answer;
        bool asked;
        bool cycling_after;
    };
    const question_case cases[] = {
        {"changed by hand, yes", true, false, true, true, true, false},
        {"changed by hand, no", true, false, true, false, true, true},
        {"nothing changed", true, false, false, true, false, true},
        {"a setting was loaded", true, true, true, true, false, true},
        {"not cycling", false, false, true, true, false, false},
    };
    for (const question_case& test : cases) {
        SCOPED_TRACE(test.name);
        options.Run_mode.set_checked(test.run_mode);
        messages.questions.clear();
        messages.answers = {test.answer};
        settings_form = [this, &test] {
            form.setting_loaded = test.loaded;
            if (test.changed) form.vanishing.set_position(form.vanishing.position() == 0 ? 1 : 0);
            return modal_result::ok;
        };
        window().FormClick();
        EXPECT_EQ(messages.questions, test.asked ? std::vector<std::string>{std::string(auto_cycling_question)}
                                                 : std::vector<std::string>{});
        EXPECT_EQ(options.Run_mode.checked(), test.cycling_after);
    }
}

TEST_F(main_window_test, settings_changed_compares_every_line_exactly) {
    const std::vector<std::string> snapshot = controls_to_lines(form, temporary_setting_name);
    EXPECT_FALSE(window().settings_changed(snapshot));
    std::vector<std::string> longer = snapshot;
    longer.push_back("extra");
    EXPECT_TRUE(window().settings_changed(longer));
    EXPECT_TRUE(window().settings_changed(controls_to_lines(form, "temp setting")));
    std::vector<std::string> one_space_more = snapshot;
    one_space_more[1] += ' ';
    EXPECT_TRUE(window().settings_changed(one_space_more));
}

TEST_F(main_window_test, frames_under_the_settings_form_only_show_the_screen) {
    options.Run_mode.set_checked(true);
    options.min_seconds = 0;
    options.max_seconds = 1;
    settings_form = [this] {
        clock.advance_seconds(5);
        const std::uint32_t colour = first_animated_colour();
        for (int frame_number = 0; frame_number < 20; ++frame_number) EXPECT_FALSE(frame());
        EXPECT_EQ(first_animated_colour(), colour);
        EXPECT_EQ(engines.steps, 0);
        EXPECT_TRUE(picks.empty());
        return modal_result::cancel;
    };
    window().FormClick();
    EXPECT_FALSE(window().settings_open());
}

TEST_F(main_window_test, a_failed_rebuild_closes_the_form_and_keeps_the_old_engine) {
    settings_form = [this] {
        engines.fail_next_build = true;
        return modal_result::ok;
    };
    EXPECT_THROW(window().FormClick(), std::runtime_error);
    EXPECT_FALSE(window().settings_open());
    frame();
    EXPECT_EQ(engines.steps, 1);
}

TEST_F(main_window_test, a_window_whose_first_engine_fails_shows_why_and_runs_on) {
    engines.fail_next_build = true;
    frame();
    EXPECT_EQ(messages.messages, std::vector<std::string>{"damaged palette"});
    EXPECT_EQ(engines.steps, 0);
    engines.fail_next_build = false;
    settings_form = [] { return modal_result::ok; };
    window().FormClick();
    frame();
    EXPECT_EQ(engines.steps, 1);
}

TEST_F(main_window_test, auto_cycling_waits_for_the_minimum_and_never_outlasts_the_maximum) {
    options.Run_mode.set_checked(true);
    options.cycle_all.set_checked(true);
    options.min_seconds = 30;
    options.max_seconds = 60;
    window();
    for (int tenth = 0; tenth < 300; ++tenth) {
        clock.advance_seconds(0.1);
        frame();
    }
    EXPECT_TRUE(picks.empty());

    // Between the two times only a draw of 1 ends the setting.
    clock.set_now(1045 * ticks_per_second);
    random.uniform.set_seed(seed_drawing_one(64 * 60) + 1);
    frame();
    EXPECT_TRUE(picks.empty());
    random.uniform.set_seed(seed_drawing_one(64 * 60));
    frame();
    ASSERT_EQ(picks, std::vector<bool>{false});
    EXPECT_EQ(engines.built, 2);
    EXPECT_DOUBLE_EQ(window().last_cycle(), 1045.0);

    // Past the maximum the first frame ends it, whatever the draw.
    options.cycle_tagged.set_checked(true);
    clock.set_now(1105 * ticks_per_second + 1);
    frame();
    EXPECT_EQ(picks, (std::vector<bool>{false, true}));
}

TEST_F(main_window_test, auto_cycling_rests_while_paused_or_switched_off) {
    options.min_seconds = 1;
    options.max_seconds = 2;
    window();
    clock.advance_seconds(10);
    frame();
    options.Run_mode.set_checked(true);
    window().FormMouseDown(mouse_button::right);
    frame();
    EXPECT_TRUE(picks.empty());
    window().FormMouseDown(mouse_button::right);
    frame();
    EXPECT_EQ(picks.size(), 1u);
}

TEST_F(main_window_test, a_huge_maximum_time_still_draws_in_range) {
    options.Run_mode.set_checked(true);
    options.min_seconds = 0;
    options.max_seconds = std::numeric_limits<std::int32_t>::max();
    window();
    clock.advance_seconds(1);
    random.uniform.set_seed(seed_drawing_one(std::numeric_limits<std::int32_t>::max()));
    frame();
    EXPECT_EQ(picks.size(), 1u);
}

TEST_F(main_window_test, the_designed_speed_is_a_whole_number_of_one_or_more) {
    const std::pair<const char*, double> cases[] = {
        {"25", 0.04}, {"200", 0.005}, {"0", 1.0}, {"-5", 1.0}, {"", 1.0}, {"12x", 1.0}, {" 7", 1.0},
        {"99999999999", 1.0}};
    for (const auto& [caption, period] : cases) {
        SCOPED_TRACE(caption);
        form.designed_speed.set_caption(caption);
        window().restart_rings();
        EXPECT_DOUBLE_EQ(window().regulator().frame_period(), period);
    }
}

TEST_F(main_window_test, a_repaint_draws_every_ring_unless_the_about_box_shows) {
    window().FormPaint();
    EXPECT_EQ(engines.repaints, 1);
    about_box_visible = true;
    window().FormPaint();
    EXPECT_EQ(engines.repaints, 1);
}

TEST_F(main_window_test, every_engine_built_chooses_the_cursor_the_form_asks_for) {
    form.hide_cursor.set_checked(true);
    window();
    EXPECT_EQ(cursors.chosen, std::vector<int>{2});
    form.hide_cursor.set_checked(false);
    window().restart_rings();
    EXPECT_EQ(cursors.chosen, (std::vector<int>{2, 1}));
    // A build that fails chooses nothing.
    engines.fail_next_build = true;
    EXPECT_THROW(window().restart_rings(), std::runtime_error);
    EXPECT_EQ(cursors.chosen, (std::vector<int>{2, 1}));
}

TEST_F(main_window_test, the_geometry_follows_the_target_size) {
    EXPECT_EQ(window().screen().width(), 64);
    EXPECT_EQ(window().screen().height(), 48);
    EXPECT_EQ(window().geometry().centre_x, 31);
    EXPECT_EQ(window().geometry().centre_y, 23);
    EXPECT_EQ(window().geometry().half_size, 23);
}

}  // namespace
}  // namespace quor
