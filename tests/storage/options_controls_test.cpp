#include "storage/options_controls.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quor {
namespace {

TEST(options_controls, starts_in_the_designed_state) {
    options_controls options;
    EXPECT_TRUE(options.Run_mode.checked());
    EXPECT_TRUE(options.Start_mode.checked());
    EXPECT_TRUE(options.cycle_tagged.checked());
    EXPECT_FALSE(options.cycle_all.checked());
    EXPECT_TRUE(options.UseCompression.checked());
    EXPECT_FALSE(options.SaveText.checked());
    EXPECT_EQ(options.min_time.text(), "30");
    EXPECT_EQ(options.max_time.text(), "60");
    EXPECT_EQ(options.UpDown1.minimum(), 1);
    EXPECT_EQ(options.UpDown2.maximum(), 3600);
    EXPECT_FALSE(options.UpDown1.wrap());
    EXPECT_EQ(options.min_seconds, 30);
    EXPECT_EQ(options.max_seconds, 60);
    EXPECT_EQ(options.find("settings_file_name"), &options.Settings_file_name);
}

TEST(options_controls, the_cycling_and_format_pairs_exclude_only_each_other) {
    options_controls options;
    options.cycle_all.set_checked(true);
    EXPECT_FALSE(options.cycle_tagged.checked());
    EXPECT_TRUE(options.UseCompression.checked());
    options.SaveText.set_checked(true);
    EXPECT_FALSE(options.UseCompression.checked());
    EXPECT_TRUE(options.cycle_all.checked());
}

TEST(options_controls, the_arrows_start_from_the_typed_text_and_stop_at_the_ends) {
    options_controls options;
    // Refuse a step while the maximum is not above the minimum.
    auto refuse_unless_ordered = [&](up_down&, bool& allow) {
        allow = options.UpDown2.position() > options.UpDown1.position();
    };
    options.UpDown1.on_changing = options.UpDown2.on_changing = refuse_unless_ordered;

    options.min_time.set_text("59");
    options.UpDown1.step_up();
    EXPECT_EQ(options.min_time.text(), "60");
    options.UpDown1.step_up();
    options.UpDown2.step_up();
    EXPECT_EQ(options.min_time.text(), "60");
    EXPECT_EQ(options.max_time.text(), "60");

    options.max_time.set_text("3600");
    options.UpDown2.step_up();
    EXPECT_EQ(options.max_time.text(), "3600");

    // Text that is no in-range number leaves the arrows at their last position.
    options.min_time.set_text("abc");
    options.UpDown1.step_down();
    EXPECT_EQ(options.min_time.text(), "59");
}

TEST(options_controls, a_time_box_reads_as_its_leading_integer) {
    const std::vector<std::pair<std::string, std::int32_t>> cases = {
        {"30", 30},        {"  45", 45},          {"60 secs", 60},  {"-5", -5},         {"+7", 7},
        {"$1F", 31},       {"$", 0},              {"", 0},          {"abc", 0},         {"1e3", 1},
        {"4000", 4000},    {"99999999999", 2147483647},             {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(read_time_value(text), expected) << text;
}

TEST(up_down, wraps_at_the_ends_when_asked) {
    edit_box box("box");
    up_down arrows("arrows", 1, 3, 3, &box);
    arrows.set_wrap(true);
    arrows.step_up();
    EXPECT_EQ(box.text(), "1");
    arrows.step_down();
    EXPECT_EQ(box.text(), "3");
}

}  // namespace
}  // namespace quor
