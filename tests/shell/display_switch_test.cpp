#include "shell/display_switch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_display_modes.h"
#include "fake_message_box.h"
#include "shell/startup_text.h"

namespace quor {
namespace {

using testing::fake_display_modes;
using testing::fake_message_box;
using testing::message;
using testing::question;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

constexpr std::uint32_t enumerated_fields = 0x5C0000;  // with the refresh rate
constexpr mode_change_result ok = mode_change_result::successful;
constexpr mode_change_result restart = mode_change_result::restart_needed;
constexpr mode_change_result failed = mode_change_result::failed;

display_mode mode(int bits, int width, int height, int frequency) {
    return {bits, width, height, frequency, enumerated_fields};
}

display_mode applied(display_mode target) {
    target.fields = mode_size_and_depth_fields;
    return target;
}

// A 32-bit 1024 x 768 desktop whose display lists the starting mode and the
// 8-bit mode twice each (two refresh rates), among others of other sizes.
class display_switch_test : public ::testing::Test {
protected:
    display_switch_test() {
        display.desktop = {32, 1024, 768, 0, 0};
        display.modes = {mode(8, 1024, 768, 60),  mode(32, 1024, 768, 60), mode(8, 800, 600, 75),
                         mode(8, 1024, 768, 75),  mode(32, 1024, 768, 75), mode(16, 1024, 768, 75),
                         mode(8, 1280, 768, 85)};
    }

    fake_display_modes display;
    fake_message_box messages;
    display_switch switcher{display, messages};
    const display_mode last_eight_bit = mode(8, 1024, 768, 75);
    const display_mode last_starting = mode(32, 1024, 768, 75);
};

TEST_F(display_switch_test, an_eight_bit_desktop_is_used_as_it_is) {
    display.desktop = {8, 640, 480, 0, 0};
    EXPECT_TRUE(switcher.prepare_display());
    EXPECT_EQ(display.enumerations, 0);
    EXPECT_THAT(messages.shown, IsEmpty());
    switcher.restore();
    EXPECT_THAT(display.changes, IsEmpty());
    EXPECT_EQ(switcher.screen_width(), 640);
    EXPECT_EQ(switcher.screen_height(), 480);
}

TEST_F(display_switch_test, the_last_matching_modes_are_applied_and_restored) {
    messages.answers = {true};
    ASSERT_TRUE(switcher.prepare_display());
    EXPECT_THAT(messages.shown, ElementsAre(question(startup_text::switch_question)));
    EXPECT_EQ(switcher.saved_mode(), last_starting);  // as enumerated, fields and all
    EXPECT_TRUE(switcher.mode_changed());
    EXPECT_FALSE(switcher.mode_forced());
    switcher.restore();
    switcher.restore();
    EXPECT_THAT(display.changes,
                ElementsAre(Pair(applied(last_eight_bit), false), Pair(last_starting, false)));
}

TEST_F(display_switch_test, a_forced_change_is_forced_back) {
    messages.answers = {true, true};
    display.results = {restart, ok};
    ASSERT_TRUE(switcher.prepare_display());
    EXPECT_THAT(messages.shown, ElementsAre(question(startup_text::switch_question),
                                            question(startup_text::restart_question)));
    EXPECT_TRUE(switcher.mode_forced());
    switcher.restore();
    EXPECT_THAT(display.changes,
                ElementsAre(Pair(applied(last_eight_bit), false), Pair(applied(last_eight_bit), true),
                            Pair(last_starting, true)));
}

struct refusal_case {
    const char* name;
    std::vector<display_mode> modes;  // empty: the fixture's list
    std::deque<bool> answers;
    std::deque<mode_change_result> results;
    std::vector<std::string> shown;
    std::vector<std::pair<display_mode, bool>> changes;
};

TEST_F(display_switch_test, every_refusal_ends_the_program_with_the_mode_as_it_was) {
    const display_mode target = applied(last_eight_bit);
    const std::string ask = question(startup_text::switch_question);
    const std::string ask_force = question(startup_text::restart_question);
    const std::vector<refusal_case> cases = {
        {"declined", {}, {false}, {}, {ask}, {}},
        {"no eight-bit mode", {mode(32, 1024, 768, 60), mode(8, 800, 600, 60)}, {true}, {}, {ask, message(startup_text::no_compatible_mode)}, {}},
        {"restart declined", {}, {true, false}, {restart}, {ask, ask_force}, {{target, false}}},
        {"forced change fails", {}, {true, true}, {restart, failed}, {ask, ask_force}, {{target, false}, {target, true}}},
        {"forced change asks for a restart again", {}, {true, true}, {restart, restart}, {ask, ask_force}, {{target, false}, {target, true}}},
        {"change fails", {}, {true}, {failed}, {ask, message(startup_text::mode_change_failed)}, {{target, false}, {last_starting, false}}},
    };
    for (const refusal_case& test : cases) {
        SCOPED_TRACE(test.name);
        fake_display_modes modes = display;
        if (!test.modes.empty()) modes.modes = test.modes;
        modes.results = test.results;
        fake_message_box box;
        box.answers = test.answers;
        display_switch refused(modes, box);

        EXPECT_FALSE(refused.prepare_display());
        EXPECT_FALSE(refused.mode_changed());
        refused.restore();
        EXPECT_EQ(box.shown, test.shown);
        EXPECT_EQ(modes.changes, test.changes);
    }
}

// A starting mode missing from the list must not leave an empty mode record
// to go back to: the desktop's depth and size are restored instead.
TEST_F(display_switch_test, an_unlisted_starting_mode_is_restored_by_depth_and_size) {
    const display_mode starting_depth_and_size{32, 1024, 768, 0, mode_size_and_depth_fields};
    display.modes = {mode(8, 1024, 768, 60), mode(16, 1024, 768, 60)};
    messages.answers = {true};
    ASSERT_TRUE(switcher.prepare_display());
    EXPECT_EQ(switcher.saved_mode(), starting_depth_and_size);
    switcher.restore();
    EXPECT_EQ(display.changes.back(), std::make_pair(starting_depth_and_size, false));

    fake_display_modes failing = display;
    failing.changes.clear();
    failing.results = {failed};
    fake_message_box box;
    box.answers = {true};
    display_switch refused(failing, box);
    EXPECT_FALSE(refused.prepare_display());
    EXPECT_EQ(failing.changes.back(), std::make_pair(starting_depth_and_size, false));
}

TEST(emulated_display_modes_test, reports_one_eight_bit_mode_so_nothing_is_switched) {
    emulated_display_modes screen(1920, 1080);
    fake_message_box messages;
    display_switch switcher(screen, messages);
    EXPECT_TRUE(switcher.prepare_display());
    EXPECT_THAT(messages.shown, IsEmpty());
    EXPECT_EQ(screen.current().bits_per_pixel, 8);
    EXPECT_EQ(screen.enumerate(0), screen.current());
    EXPECT_EQ(screen.enumerate(1), std::nullopt);
}

}  // namespace
}  // namespace quor
