// The animation on the screen of the user's choice and every other screen
// black, on a desktop of two screens (LEFT, the primary one, and RIGHT).

#include "ui/screen_cover.h"

#include "../shell/recording_rings.h"
#include "../ui/test_application.h"
#include "storage/program_runner.h"
#include "support/recording_message_box.h"
#include "ui/main_window_view.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

namespace quor {
namespace {

QString screen_of(const QWidget& window) {
    return window.windowHandle() && window.windowHandle()->screen() ? window.windowHandle()->screen()->name() : QString();
}

TEST(screen_cover, the_animation_fills_its_screen_and_every_other_one_is_black_as_screens_come_and_go) {
    testing::test_application();
    QScreen* left = screen_named(QStringLiteral("LEFT"));
    QScreen* right = screen_named(QStringLiteral("RIGHT"));
    ASSERT_TRUE(left && right) << "the offscreen desktop has not two screens";
    ASSERT_EQ(QGuiApplication::primaryScreen(), left);

    recording_message_box messages;
    animation_palette palette{messages};
    settings_controls form;
    options_controls options;
    options.Run_mode.set_checked(false);
    random_generators random{1};
    testing::recording_cursor cursors;
    steady_tick_clock clock;
    testing::engine_log engines;
    main_window model{{form, options, palette, random, messages, cursors, clock, testing::recording_factory(engines),
                       [] { return modal_result::cancel; }, [](bool) {}, {}},
                      320, 240};
    main_window_view view{model};
    view.show_full_screen(right);
    EXPECT_EQ(screen_of(view), QStringLiteral("RIGHT"));
    EXPECT_EQ(view.geometry(), right->geometry());

    std::vector<QScreen*> moved_to;
    screen_cover cover(right, [&](QScreen* screen) {
        moved_to.push_back(screen);
        model.resize(640, 360);
        view.show_full_screen(screen);
    });
    ASSERT_EQ(cover.covered_screens(), std::vector<QScreen*>{left});
    const auto black_windows = [] {
        std::vector<QWidget*> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (dynamic_cast<black_screen_window*>(window) && window->isVisible()) windows.push_back(window);
        return windows;
    };
    ASSERT_EQ(black_windows().size(), 1u);
    EXPECT_EQ(screen_of(*black_windows().front()), QStringLiteral("LEFT"));
    EXPECT_EQ(black_windows().front()->geometry(), left->geometry());
    EXPECT_FALSE(black_windows().front()->close()) << "only the program closes it";

    // The animation's screen goes: the animation moves to the primary one, which needs no black window.
    Q_EMIT qGuiApp->screenRemoved(right);
    EXPECT_EQ(moved_to, std::vector<QScreen*>{left});
    EXPECT_EQ(screen_of(view), QStringLiteral("LEFT"));
    EXPECT_EQ(model.screen().width(), 640);
    EXPECT_TRUE(cover.covered_screens().empty());
    EXPECT_TRUE(black_windows().empty());

    // A screen that comes is covered.
    Q_EMIT qGuiApp->screenAdded(right);
    ASSERT_EQ(cover.covered_screens(), std::vector<QScreen*>{right});
    ASSERT_EQ(black_windows().size(), 1u);
    EXPECT_EQ(screen_of(*black_windows().front()), QStringLiteral("RIGHT"));

    // At the end they all close.
    cover.end_program();
    EXPECT_TRUE(black_windows().empty());
}

TEST(screen_cover, the_program_lists_the_screens_and_refuses_one_that_is_not_there) {
    const testing::tool_run listed = testing::run_program("quorrings", {"--list-screens"});
    EXPECT_EQ(listed.exit_code, 0) << listed.err;
    EXPECT_EQ(listed.out, "LEFT\nRIGHT\n");
    const testing::tool_run unknown = testing::run_program("quorrings", {"--screen", "MIDDLE"});
    EXPECT_EQ(unknown.exit_code, 2);
    EXPECT_NE(unknown.err.find("no screen is called MIDDLE (screens: LEFT, RIGHT)"), std::string::npos) << unknown.err;
}

}  // namespace
}  // namespace quor
