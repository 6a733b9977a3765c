#include "ui/screen_queries.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include "../shell/fake_message_box.h"
#include "shell/display_switch.h"
#include "test_application.h"

namespace quor {
namespace {

TEST(screen_queries_test, the_screen_is_eight_bit_at_the_primary_screen_size_so_nothing_is_asked) {
    testing::test_application();
    emulated_display_modes modes = screen_display_modes();
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    QSize device_size = screen->size() * screen->devicePixelRatio();
    EXPECT_EQ(modes.current().bits_per_pixel, 8);
    EXPECT_EQ(modes.current().width, device_size.width());
    EXPECT_EQ(modes.current().height, device_size.height());

    testing::fake_message_box messages;
    display_switch display(modes, messages);
    EXPECT_TRUE(display.prepare_display());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_GT(vertical_scroll_bar_width(), 0);
}

}  // namespace
}  // namespace quor
