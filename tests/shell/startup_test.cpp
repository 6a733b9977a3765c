#include "shell/startup.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_display_modes.h"
#include "fake_message_box.h"
#include "fake_thinking_box_view.h"
#include "shell/startup_text.h"

namespace quor {
namespace {

using testing::fake_display_modes;
using testing::fake_message_box;
using testing::fake_thinking_box_view;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Pair;

// Records every step, progress box change and message in one log, so the
// order across all of them is visible.
class recording_steps : public startup_steps, public message_box, public thinking_box_view {
public:
    std::vector<std::string> log;
    int scroll_bar_width = 16;
    bool settings_file_found = true;
    int exit_code = 0;
    std::string throwing_step;  // this step throws when reached
    std::deque<bool> answers;

    void initialise_modules() override { step("modules"); }
    int vertical_scroll_bar_width() override { return scroll_bar_width; }
    void install_cursors() override { step("cursors"); }
    void initialise_application() override { step("application"); }
    void init_angle_tables() override { step("angle tables"); }
    void create_settings_form() override { step("settings form"); }
    void create_options_form() override { step("options form"); }
    bool create_library_form() override {
        step("library form");
        return settings_file_found;
    }
    void create_main_window() override { step("main window"); }
    void create_about_form() override { step("about form"); }
    void install_idle_handler() override { step("idle handler"); }
    int run_message_loop() override {
        step("message loop");
        return exit_code;
    }

    void show_message(std::string_view text) override { log.push_back("message: " + std::string(text)); }
    bool ask_yes_no(std::string_view text) override {
        log.push_back("question: " + std::string(text));
        bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }

    screen_size character_size() const override { return {8, 15}; }
    screen_size screen() const override { return {1024, 768}; }
    void set_bounds(const screen_rectangle&) override {}
    void set_message(std::string_view text) override { box_message = text; }
    void set_bar_visible(bool) override {}
    void set_bar_span(int, int) override {}
    void set_bar_maximum(int) override {}
    void set_bar_position(int) override {}
    void show_and_paint() override { log.push_back("box: " + box_message); }
    void hide() override { log.push_back("box hidden"); }

private:
    void step(const std::string& name) {
        if (name == throwing_step) throw std::runtime_error(name + " failed");
        log.push_back(name);
    }
    std::string box_message;
};

class fixed_processor : public processor_info {
public:
    int type = 586;
    int processor_type() override { return type; }
};

class startup_test : public ::testing::Test {
protected:
    startup_test() {
        display.desktop = {8, 1024, 768, 0, 0};
        display.modes = {{8, 1024, 768, 60, 0}, {32, 1024, 768, 60, 0}};
    }
    int run() { return run_startup({steps, display, processor, steps, box}); }
    void use_deep_desktop_and_agree() {
        display.desktop = {32, 1024, 768, 0, 0};
        steps.answers = {true};
    }
    // Exactly one switch to the 8-bit mode and one return to the starting mode.
    void expect_switched_once_and_put_back() {
        const display_mode eight_bit{8, 1024, 768, 60, mode_size_and_depth_fields};
        const display_mode starting{32, 1024, 768, 60, 0};
        EXPECT_THAT(display.changes, ElementsAre(Pair(eight_bit, false), Pair(starting, false)));
    }

    recording_steps steps;
    fake_display_modes display;
    fixed_processor processor;
    TThinking_box box{steps};
};

const std::vector<std::string> initialising = {
    "box: Initializing", "cursors", "application", "angle tables", "settings form",
    "options form", "box hidden", "library form"};
const std::vector<std::string> second_phase = {
    "box: Initializing second phase", "main window", "about form", "box hidden", "idle handler",
    "message loop"};

std::vector<std::string> joined(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(startup_test, runs_every_step_in_order_and_returns_the_loop_exit_code) {
    processor.type = 486;
    steps.scroll_bar_width = 20;
    steps.exit_code = 3;
    EXPECT_EQ(run(), 3);
    EXPECT_THAT(steps.log,
                ElementsAreArray(joined({{"modules", "message: " + std::string(startup_text::processor_warning),
                                          "message: " + std::string(startup_text::scroll_bar_warning)},
                                         initialising, second_phase})));
    EXPECT_THAT(display.changes, IsEmpty());
}

TEST_F(startup_test, a_declined_switch_ends_before_any_form) {
    display.desktop = {32, 1024, 768, 0, 0};
    EXPECT_EQ(run(), 0);
    EXPECT_THAT(steps.log,
                ElementsAre("modules", "question: " + std::string(startup_text::switch_question)));
    EXPECT_THAT(display.changes, IsEmpty());
}

TEST_F(startup_test, a_changed_mode_is_put_back_after_the_loop) {
    use_deep_desktop_and_agree();
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(steps.log.back(), "message loop");
    expect_switched_once_and_put_back();
}

// Ending for want of a settings file must not leave the desktop in 8-bit colour.
TEST_F(startup_test, a_missing_settings_file_ends_with_code_zero_and_the_mode_put_back) {
    use_deep_desktop_and_agree();
    steps.settings_file_found = false;
    steps.exit_code = 5;
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(steps.log.back(), "library form");
    expect_switched_once_and_put_back();
}

TEST_F(startup_test, a_failing_step_still_puts_the_mode_back) {
    use_deep_desktop_and_agree();
    steps.throwing_step = "main window";
    EXPECT_THROW(run(), std::runtime_error);
    expect_switched_once_and_put_back();
}

}  // namespace
}  // namespace quor
