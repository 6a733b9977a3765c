#include "ui/about_box_view.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <memory>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/tick_clock.h"
#include "support/recording_message_box.h"
#include "test_application.h"
#include "ui/idle_adapter.h"

namespace quor {
namespace {

class about_box_view_test : public ::testing::Test {
protected:
    about_box_view_test() {
        const std::string data_dir = std::string(QUOR_TEST_DIR) + "/../data/";
        palette.set_palette_dir(data_dir);
        palette.read_palette_file("RAINBOW.PAL");
        demonstration.FormCreate(load_about_data_file(data_dir, messages));
        view = std::make_unique<about_box_view>(
            demonstration, palette,
            about_box_hooks{[this] { loop_owner.push_back("box"); }, [this] { loop_owner.push_back("main window"); }});
    }

    // Runs the box modally; `during` is called twice while it shows, a
    // little apart, then OK is clicked.
    modal_result show_and_watch(const std::function<void()>& during) {
        QTimer::singleShot(250, view.get(), during);
        QTimer::singleShot(750, view.get(), during);
        QTimer::singleShot(800, view.get(),
                           [this] { view->findChild<QPushButton*>(QStringLiteral("OK_btn"))->click(); });
        return view->show_modal();
    }

    quorrings_application& application = testing::test_application();  // before any widget
    recording_message_box messages;
    animation_palette palette{messages};
    steady_tick_clock clock;
    uniform_random random{12345};
    about_demonstration demonstration{clock, random};
    std::vector<std::string> loop_owner;  // who took and gave back the frame loop, in order
    std::unique_ptr<about_box_view> view;
};

TEST_F(about_box_view_test, animates_while_shown_at_no_more_than_its_frame_rate_and_gives_the_loop_back) {
    ASSERT_TRUE(messages.messages.empty());
    std::vector<QImage> pictures;
    std::vector<int> frames;
    const modal_result result = show_and_watch([&] {
        EXPECT_TRUE(demonstration.showing());
        EXPECT_EQ(loop_owner, std::vector<std::string>{"box"});
        pictures.push_back(view->picture().copy());
        frames.push_back(demonstration.state.frame_count);
    });

    EXPECT_EQ(result, modal_result::ok);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_NE(pictures[0], pictures[1]);
    // Half a second apart: about 15 frames at 30.5 a second, never many more.
    EXPECT_GT(frames[1], frames[0]);
    EXPECT_LE(frames[1] - frames[0], 18);
    EXPECT_FALSE(demonstration.showing());
    EXPECT_EQ(loop_owner, (std::vector<std::string>{"box", "main window"}));

    // Shown again, the sequence goes on where it stopped.
    const int stopped_at = demonstration.state.frame_count;
    frames.clear();
    show_and_watch([&] { frames.push_back(demonstration.state.frame_count); });
    ASSERT_FALSE(frames.empty());
    EXPECT_GT(frames[0], stopped_at);
    EXPECT_LT(frames[0], stopped_at + 18);
}

TEST_F(about_box_view_test, scroll_bars_and_controls_move_together) {
    auto* morph = view->findChild<QScrollBar*>(QStringLiteral("morph_sc"));
    ASSERT_NE(morph, nullptr);
    EXPECT_EQ(morph->minimum(), 0);
    EXPECT_EQ(morph->maximum(), 50);
    EXPECT_EQ(morph->pageStep(), 10);
    EXPECT_EQ(morph->value(), 5);

    morph->setValue(0);
    EXPECT_EQ(demonstration.controls.morph_sc.position(), 0);
    EXPECT_EQ(demonstration.state.morph_length, 1);

    view->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    EXPECT_EQ(morph->value(), 10);
    EXPECT_EQ(view->findChild<QScrollBar*>(QStringLiteral("pause_sc"))->value(), 250);
    EXPECT_EQ(demonstration.state.morph_length, 101);
}

// The program's hand-over: the main window's frames stop while the box shows
// and start again when it hides, however often the box is opened.
TEST(about_box_hand_over_test, the_main_window_animates_again_after_the_box_hides) {
    testing::test_application();
    int main_frames = 0;
    int black_outs = 0;
    bool box_shown = false;
    const idle_handler main_handler = [&main_frames](idle_turn& turn) {
        ++main_frames;
        turn.done = false;
    };
    idle_adapter idle(main_handler);
    const about_box_hooks hooks = frame_loop_hand_over(idle, main_handler, [&black_outs] { ++black_outs; }, box_shown);
    const auto frames_in_a_while = [&main_frames] {
        const int before = main_frames;
        testing::run_loop_for(100);
        return main_frames - before;
    };

    EXPECT_GT(frames_in_a_while(), 0);
    for (int opened = 1; opened <= 2; ++opened) {
        hooks.take_frame_loop();
        EXPECT_TRUE(box_shown);
        EXPECT_EQ(black_outs, opened);
        EXPECT_EQ(frames_in_a_while(), 0);
        hooks.give_back_frame_loop();
        EXPECT_FALSE(box_shown);
        EXPECT_GT(frames_in_a_while(), 0);
    }
}

}  // namespace
}  // namespace quor
