#include "ui/main_window_view.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include "../shell/recording_rings.h"
#include "platform/tick_clock.h"
#include "support/recording_message_box.h"
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
    main_window model{{form, options, palette, random, messages, cursors, clock, testing::recording_factory(engines), [this] { return ++settings_shown, modal_result::cancel; },
                       [](bool) {}, {}},
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

}  // namespace
}  // namespace quor
