#include "shell/thinking_box.h"

#include <string>

#include <gtest/gtest.h>

#include "fake_thinking_box_view.h"

namespace quor {
namespace {

using testing::fake_thinking_box_view;

class fixed_area : public on_screen_area {
public:
    explicit fixed_area(screen_rectangle area) : area_(area) {}
    screen_rectangle client_area_on_screen() const override { return area_; }

private:
    screen_rectangle area_;
};

TEST(thinking_box_test, is_sized_to_its_message_and_centred_on_the_screen) {
    fake_thinking_box_view view;  // characters 8 x 15, screen 1024 x 768
    TThinking_box box(view);
    EXPECT_EQ(box.char_width(), 8);
    EXPECT_EQ(box.char_height(), 15);

    box.think_show(nullptr, "Initializing");  // 12 characters
    EXPECT_EQ(view.bounds, (screen_rectangle{(1024 - 108) / 2, (768 - 21) / 2, 108, 21}));
    EXPECT_EQ(view.message, "Initializing");
    EXPECT_FALSE(view.bar_visible);
    EXPECT_TRUE(view.visible);
    EXPECT_TRUE(box.box_showing());

    box.think_show_bar(nullptr, "Initializing");
    EXPECT_EQ(view.bounds, (screen_rectangle{458, (768 - 45) / 2, 108, 45}));
    EXPECT_TRUE(view.bar_visible);
    EXPECT_EQ(view.bar_left, 8);
    EXPECT_EQ(view.bar_width, 92);

    // A later show without the bar takes the bar away again.
    box.think_show(nullptr, "Initializing second phase");
    EXPECT_FALSE(view.bar_visible);
    EXPECT_EQ(view.bounds.width, 25 * 8 + 12);
}

TEST(thinking_box_test, counts_characters_not_bytes) {
    fake_thinking_box_view view;
    TThinking_box box(view);
    box.think_show(nullptr, "D\xC3\xA9" "compression");  // "Décompression": 13 characters
    EXPECT_EQ(view.bounds.width, 13 * 8 + 12);
}

TEST(thinking_box_test, centres_on_a_control_and_may_start_off_screen) {
    fake_thinking_box_view view;
    TThinking_box box(view);
    fixed_area control({300, 200, 201, 100});
    box.think_show(&control, "ab");  // 28 x 21
    EXPECT_EQ(view.bounds, (screen_rectangle{300 + 86, 200 + 39, 28, 21}));

    // Wider than the screen: the left edge goes negative, truncated toward zero.
    std::string long_message(129, 'x');  // 1044 pixels on a 1024-pixel screen
    box.think_show(nullptr, long_message);
    EXPECT_EQ(view.bounds.left, -10);
    EXPECT_EQ(view.bounds.width, 1044);
    fixed_area narrow({0, 0, 1, 0});
    box.think_show(&narrow, "abc");  // 36 x 21: (1 - 36) / 2 = -17, not -18
    EXPECT_EQ(view.bounds.left, -17);
    EXPECT_EQ(view.bounds.top, -10);
}

TEST(thinking_box_test, hide_removes_whatever_was_shown) {
    fake_thinking_box_view view;
    TThinking_box box(view);
    box.think_hide();
    EXPECT_FALSE(box.box_showing());
    EXPECT_FALSE(view.visible);

    box.think_show_bar(nullptr, "Compressing Quorrings settings data");
    box.think_show(nullptr, "Initializing");
    box.think_hide();
    EXPECT_FALSE(box.box_showing());
    EXPECT_FALSE(view.visible);
    EXPECT_FALSE(view.bar_visible);
}

TEST(centred_origin_test, truncates_toward_zero) {
    EXPECT_EQ(centred_origin({1024, 768}, {100, 51}), (screen_point{462, 358}));
    EXPECT_EQ(centred_origin({100, 100}, {103, 100}), (screen_point{-1, 0}));
}

}  // namespace
}  // namespace quor
