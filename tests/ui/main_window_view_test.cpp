#include "ui/main_window_view.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../shell/recording_rings.h"
#include "platform/tick_clock.h"
#include "support/files.h"
#include "support/recording_message_box.h"
#include "support/temporary_directory.h"
#include "ui/idle_adapter.h"
#include "test_application.h"

namespace quor {
namespace {

class main_window_view_test : public ::testing::Test {
protected:
    main_window_view_test() {
        options.Run_mode.set_checked(false);
        view.resize(40, 30);
        view.show();
    }

    void send_mouse(QEvent::Type type, Qt::MouseButton button, QPointF position) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, position, view.mapToGlobal(position), button, held, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }
    // One frame, once it is due, as the idle adapter runs it.
    bool frame() {
        if (const double wait = view.seconds_until_frame(); wait > 0.0) testing::run_loop_for(int(wait * 1000) + 1);
        idle_turn turn;
        view.idle_frame(turn);
        QCoreApplication::processEvents();
        return turn.done;
    }

    quorrings_application& application = testing::test_application();  // before any widget
    recording_message_box messages;
    animation_palette palette{messages};
    settings_controls form;
    options_controls options;
    random_generators random{1};
    testing::recording_cursor cursors;
    steady_tick_clock clock;
    testing::engine_log engines;
    int settings_shown = 0;
    // What the settings form does while it is shown.
    std::function<modal_result()> show_form = [this] { return ++settings_shown, modal_result::cancel; };
    main_window model{{form, options, palette, random, messages, cursors, clock, testing::recording_factory(engines),
                       [this] { return show_form(); }, [](bool) {}, {}},
                      32, 24};
    main_window_view view{model};
};

TEST_F(main_window_view_test, shows_each_drawn_frame_through_the_palette_pixel_for_pixel) {
    model.screen().set_pixel(5, 6, 1);
    frame();
    ASSERT_EQ(view.picture().size(), QSize(32, 24));
    const colour_table& colours = palette.colours();
    EXPECT_EQ(view.picture().pixel(5, 6), colours[1]);
    EXPECT_EQ(view.picture().pixel(0, 0), colours[99]);  // what the step drew
    EXPECT_EQ(view.picture().pixel(6, 6), colours[0]);
    EXPECT_EQ(engines.repaints, 0);  // our own frame is no exposure

    view.repaint();  // as the window system asks after an exposure
    EXPECT_EQ(engines.repaints, 1);
}

TEST_F(main_window_view_test, the_mouse_reaches_the_window_in_device_pixels) {
    send_mouse(QEvent::MouseMove, Qt::NoButton, {7, 9});
    const double ratio = view.devicePixelRatioF();
    EXPECT_EQ(model.mouse().mouse_x, static_cast<int>(7 * ratio));
    EXPECT_EQ(model.mouse().mouse_y, static_cast<int>(9 * ratio));

    send_mouse(QEvent::MouseButtonPress, Qt::RightButton, {7, 9});
    send_mouse(QEvent::MouseButtonRelease, Qt::RightButton, {7, 9});
    EXPECT_TRUE(model.paused());
    EXPECT_EQ(settings_shown, 0);

    send_mouse(QEvent::MouseButtonPress, Qt::LeftButton, {7, 9});
    EXPECT_EQ(settings_shown, 0);  // a click is complete only when the button comes up
    send_mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {7, 9});
    EXPECT_EQ(settings_shown, 1);
}

TEST_F(main_window_view_test, refuses_to_close_until_the_program_ends) {
    EXPECT_FALSE(view.close());
    EXPECT_TRUE(view.isVisible());
    view.end_program();
    EXPECT_FALSE(view.isVisible());
}

TEST_F(main_window_view_test, a_paused_mouse_move_mode_lets_the_loop_wait) {
    form.pause_mouse.set_checked(true);
    EXPECT_FALSE(frame());
    send_mouse(QEvent::MouseButtonPress, Qt::RightButton, {1, 1});
    const int steps = engines.steps;
    EXPECT_TRUE(frame());
    EXPECT_EQ(engines.steps, steps);
}

// The frame loop as the program runs it: the idle adapter calls the view.
TEST_F(main_window_view_test, frames_are_paced_by_the_display_and_the_loop_rests_under_the_settings_form) {
    // A palette of distinct colours that turns every frame makes every frame worth showing.
    const testing::temporary_directory folder;
    std::string colours = "200\r\n";
    for (int i = 0; i < 200; ++i) colours += std::to_string(i) + " 0 0\r\n";
    std::filesystem::create_directories(folder.path() / "palette");
    testing::put_file(folder.path() / "palette" / "P.PAL", colours);
    palette.set_palette_dir(folder.path().string() + "/");
    form.fill_palette_list(std::vector<std::string>{"P.PAL"});
    form.palette_list.set_item_index(0);
    form.palette_inc.set_position(20);
    int idle_calls = 0;
    idle_adapter idle([&](idle_turn& turn) {
        ++idle_calls;
        view.idle_frame(turn);
    });
    const int refreshes = static_cast<int>(0.5 / view.refresh_period()) + 2;  // in half a second, and a margin

    struct pace_case {
        const char* name;
        bool fix_speed;
        int designed_speed;
    };
    for (const pace_case& c : {pace_case{"speed fixing off", false, 1}, pace_case{"fixed far above the display", true, 200}}) {
        SCOPED_TRACE(c.name);
        form.fix_speed.set_checked(c.fix_speed);
        form.designed_speed.set_caption(std::to_string(c.designed_speed));
        model.restart_rings();
        testing::run_loop_for(100);
        const int steps = engines.steps;
        const std::uint64_t presented = view.presented_frames();
        testing::run_loop_for(500);
        const int presented_now = static_cast<int>(view.presented_frames() - presented);
        EXPECT_LE(presented_now, refreshes);
        EXPECT_GE(presented_now, refreshes / 4);
        if (c.fix_speed)
            EXPECT_GT(engines.steps - steps, refreshes);  // the steps keep the designed speed
        else
            EXPECT_LE(engines.steps - steps, refreshes);  // one step a refresh, no more
    }

    // While the settings form is open nothing on screen changes, and the loop waits.
    show_form = [&] {
        testing::run_loop_for(50);
        const int before = idle_calls;
        testing::run_loop_for(500);
        EXPECT_LE(idle_calls - before, 2);
        return modal_result::cancel;
    };
    model.FormClick();
}

}  // namespace
}  // namespace quor
