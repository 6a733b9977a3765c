#include "engine/control_error.h"
#include "engine/scroll_bar.h"

#include <gtest/gtest.h>

#include <vector>

namespace quor {
namespace {

TEST(scroll_bar, without_a_range_reads_zero_to_hundred_at_zero_with_steps_of_ten_and_one) {
    scroll_bar bar("bar");
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 100);
    EXPECT_EQ(bar.position(), 0);
    EXPECT_EQ(bar.large_change(), 10);
    EXPECT_EQ(bar.small_change(), 1);
}

TEST(scroll_bar, positions_and_ranges_clamp_to_the_nearer_end) {
    struct step {
        const char* what;
        void (*apply)(scroll_bar&);
        int minimum, maximum, position;
    };
    const std::vector<step> steps = {
        {"above the maximum", [](scroll_bar& b) { b.set_position(500); }, 0, 100, 100},
        {"below the minimum", [](scroll_bar& b) { b.set_position(-5); }, 0, 100, 0},
        {"minimum raised past it", [](scroll_bar& b) { b.set_minimum(60); }, 60, 100, 60},
        {"maximum lowered past it", [](scroll_bar& b) { b.set_maximum(30); }, 0, 30, 30},
        {"range to a single value", [](scroll_bar& b) { b.set_range(7, 7); }, 7, 7, 7},
        {"negative range", [](scroll_bar& b) { b.set_range(-100, 0); }, -100, 0, 0},
    };
    for (const auto& s : steps) {
        scroll_bar bar("bar", 0, 100, 50);
        s.apply(bar);
        EXPECT_EQ(bar.minimum(), s.minimum) << s.what;
        EXPECT_EQ(bar.maximum(), s.maximum) << s.what;
        EXPECT_EQ(bar.position(), s.position) << s.what;
    }
}

TEST(scroll_bar, a_minimum_above_the_maximum_is_refused_and_changes_nothing) {
    scroll_bar bar("bar", 10, 20, 15);
    int changes = 0;
    bar.on_change = [&](scroll_bar&) { ++changes; };
    for (auto refuse : {+[](scroll_bar& b) { b.set_minimum(21); }, +[](scroll_bar& b) { b.set_maximum(9); },
                        +[](scroll_bar& b) { b.set_range(5, 4); }}) {
        try {
            refuse(bar);
            ADD_FAILURE() << "accepted";
        } catch (const scroll_bar_range_error& error) {
            EXPECT_STREQ(error.what(), "Scrollbar property out of range");
        }
        EXPECT_EQ(bar.minimum(), 10);
        EXPECT_EQ(bar.maximum(), 20);
        EXPECT_EQ(bar.position(), 15);
    }
    EXPECT_EQ(changes, 0);
    EXPECT_THROW(scroll_bar("bar", 1, 0, 0), scroll_bar_range_error);
}

TEST(scroll_bar, the_change_handler_runs_only_when_the_position_really_moves) {
    scroll_bar bar("bar", 0, 100, 50);
    std::vector<int> seen;
    bar.on_change = [&](scroll_bar& sender) { seen.push_back(sender.position()); };
    bar.set_position(50);   // same
    bar.set_maximum(80);    // range only
    bar.set_minimum(60);    // moves it to 60
    bar.set_position(200);  // clamps to 80
    bar.set_position(80);   // same again
    EXPECT_EQ(seen, (std::vector<int>{60, 80}));
}

TEST(scroll_bar, user_scrolling_computes_clamps_then_lets_the_handler_alter_the_position) {
    struct move {
        scroll_code code;
        int thumb, expected;
    };
    const std::vector<move> moves = {
        {scroll_code::line_down, 0, 51}, {scroll_code::line_up, 0, 49},       {scroll_code::page_down, 0, 60},
        {scroll_code::page_up, 0, 40},   {scroll_code::thumb_track, 73, 73},  {scroll_code::thumb_position, 500, 100},
        {scroll_code::top, 0, 0},        {scroll_code::bottom, 0, 100},       {scroll_code::end_scroll, 0, 50},
    };
    for (const auto& m : moves) {
        scroll_bar bar("bar", 0, 100, 50);
        int offered = -1;
        bar.on_scroll = [&](scroll_bar&, scroll_code, int& position) { offered = position; };
        bar.scroll(m.code, m.thumb);
        EXPECT_EQ(offered, m.expected);
        EXPECT_EQ(bar.position(), m.expected);
    }

    // A handler holding a floor, as the rotation-speed pair does.
    scroll_bar bar("bar", 0, 100, 50);
    bar.on_scroll = [](scroll_bar&, scroll_code, int& position) { position = std::max(position, 45); };
    bar.scroll(scroll_code::page_up);
    EXPECT_EQ(bar.position(), 45);
}

}  // namespace
}  // namespace quor
