#include "shell/settings_form.h"

#include "storage/setting_conversion.h"
#include "support/recording_message_box.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/temporary_directory.h"

namespace quor {
namespace {

using lines = std::vector<std::string>;

// A form over fresh controls, its palette directory holding seven palette files.
class settings_form_test : public ::testing::Test {
protected:
    settings_form_test() {
        std::filesystem::create_directories(directory.path() / "palette");
        for (const char* name : {"g.pal", "A.PAL", "c.Pal", "B.PAL", "E.PAL", "D.PAL", "F.PAL"}) {
            std::ofstream(directory.path() / "palette" / name) << "JASC-PAL\r\n";
        }
        palette.set_palette_dir(directory.path().string() + "/");
    }

    settings_form& form() {
        if (!form_) form_ = std::make_unique<settings_form>(controls, hooks, palette);
        return *form_;
    }

    // A setting of the designed form with these lines changed.
    lines setting_with(const lines& changed) {
        lines setting = controls_to_lines(settings_controls(), "Changed");
        setting.insert(setting.end(), changed.begin(), changed.end());
        return setting;
    }

    testing::temporary_directory directory;
    recording_message_box messages;
    animation_palette palette{messages};
    settings_controls controls;
    settings_form_hooks hooks;
    std::unique_ptr<settings_form> form_;
};

TEST_F(settings_form_test, lists_the_palette_files_and_scrolls_the_selected_one_to_the_third_row) {
    form();
    EXPECT_EQ(controls.palette_list.items(),
              (lines{"A.PAL", "B.PAL", "C.PAL", "D.PAL", "E.PAL", "F.PAL", "G.PAL"}));

    const struct {
        int selected;
        int top;
    } cases[] = {{-1, 0}, {0, 0}, {1, 0}, {2, 0}, {5, 3}, {6, 4}};
    for (const auto& each : cases) {
        controls.palette_list.set_item_index(each.selected);
        controls.palette_list.set_top_index(1);
        form().FormShow();
        EXPECT_EQ(controls.palette_list.top_index(), each.top) << "selected " << each.selected;
    }

    // Creating the form again lists the files afresh, without doubles.
    form_.reset();
    form();
    EXPECT_EQ(controls.palette_list.count(), 7);
}

TEST_F(settings_form_test, each_showing_colours_the_speed_check_mark_and_forgets_the_last_showing) {
    bool waited = true;
    hooks.had_to_wait = [&] { return waited; };
    controls.setting_loaded = true;
    form().FormShow();
    EXPECT_EQ(form().fix_speed_check_colour(), could_go_faster_colour);
    EXPECT_EQ(form().fix_speed_check_colour(), 0x008000u);
    EXPECT_FALSE(controls.setting_loaded);

    controls.OK_btn.click();
    waited = false;
    form().FormShow();
    EXPECT_EQ(form().fix_speed_check_colour(), 0x000080u);
    EXPECT_EQ(form().modal_result(), modal_result::still_open);

    hooks.had_to_wait = nullptr;
    form().FormShow();
    EXPECT_EQ(form().fix_speed_check_colour(), running_flat_out_colour);
}

TEST_F(settings_form_test, dragging_a_rotation_speed_bar_keeps_the_maximum_at_or_above_the_minimum) {
    form();
    controls.max_rot_speed.set_position(60);
    controls.min_rot_speed.set_position(40);

    controls.max_rot_speed.scroll(scroll_code::thumb_track, 10);
    EXPECT_EQ(controls.max_rot_speed.position(), 40);
    controls.max_rot_speed.scroll(scroll_code::thumb_track, 70);
    EXPECT_EQ(controls.max_rot_speed.position(), 70);
    controls.min_rot_speed.scroll(scroll_code::page_down);
    EXPECT_EQ(controls.min_rot_speed.position(), 50);
    controls.min_rot_speed.scroll(scroll_code::bottom);
    EXPECT_EQ(controls.min_rot_speed.position(), 70);

    // Positions set by the program are left as they are.
    controls.max_rot_speed.set_position(5);
    EXPECT_EQ(controls.max_rot_speed.position(), 5);
    EXPECT_EQ(controls.min_rot_speed.position(), 70);
}

TEST_F(settings_form_test, zero_buttons_move_their_bars_each_within_its_own_range) {
    form();
    lines_to_controls(controls, setting_with({"ampl -20 100 50", "freq 0 100 30", "precess 5 100 40",
                                              "max_rot_speed 0 100 80", "min_rot_speed 0 100 20",
                                              "palette_inc -128 128 -60", "colour_step -128 128 90"}));
    controls.rot_zero.click();
    EXPECT_EQ(controls.ampl.position(), -20);
    EXPECT_EQ(controls.freq.position(), 0);
    EXPECT_EQ(controls.precess.position(), 5);
    EXPECT_EQ(controls.max_rot_speed.position(), 0);
    EXPECT_EQ(controls.min_rot_speed.position(), 0);

    controls.Button1.click();
    EXPECT_EQ(controls.palette_inc.position(), 0);
    EXPECT_EQ(controls.colour_step.position(), 0);
}

TEST_F(settings_form_test, density_zero_all_puts_every_thumb_at_the_bottom_and_max_all_at_the_top) {
    form();
    lines changed;
    for (int sides = 1; sides <= 10; ++sides) {
        changed.push_back("density" + std::to_string(sides) + " " + std::to_string(-10 * sides) + " 0 -5");
    }
    lines_to_controls(controls, setting_with(changed));
    scroll_bar* bars[] = {&controls.density1, &controls.density2, &controls.density3, &controls.density4,
                          &controls.density5, &controls.density6, &controls.density7, &controls.density8,
                          &controls.density9, &controls.density10};

    controls.PDF_max.click();
    for (int index = 0; index < 10; ++index) EXPECT_EQ(bars[index]->position(), -10 * (index + 1));
    controls.PDF_zero.click();
    for (scroll_bar* bar : bars) EXPECT_EQ(bar->position(), 0) << bar->name();
}

TEST_F(settings_form_test, the_designed_speed_can_be_changed_only_while_the_speed_is_not_fixed) {
    form();
    EXPECT_TRUE(controls.speed_scroll.enabled());
    EXPECT_TRUE(controls.Set_speed.enabled());
    controls.fix_speed.set_checked(true);
    EXPECT_FALSE(controls.speed_scroll.enabled());
    EXPECT_FALSE(controls.Set_speed.enabled());
    controls.fix_speed.set_checked(false);
    EXPECT_TRUE(controls.speed_scroll.enabled());

    // A loaded setting that fixes the speed greys them the same way.
    lines_to_controls(controls, setting_with({"fix_speed TRUE"}));
    EXPECT_FALSE(controls.speed_scroll.enabled());
    EXPECT_FALSE(controls.Set_speed.enabled());
    lines_to_controls(controls, setting_with({}));
    EXPECT_TRUE(controls.Set_speed.enabled());

    // Fixed already when the form is created: greyed from the start.
    form_.reset();
    controls.fix_speed.set_checked(true);
    controls.speed_scroll.set_enabled(true);
    form();
    EXPECT_FALSE(controls.speed_scroll.enabled());
}

TEST_F(settings_form_test, set_takes_the_current_speed_as_the_designed_speed_within_one_to_two_hundred) {
    form();
    const struct {
        const char* current;
        int position;
    } cases[] = {{"60", 60}, {"250", 200}, {"0", 1}, {"-7", 1}, {"99999999999", 200}, {"fast", 33}, {"", 33}};
    for (const auto& each : cases) {
        controls.speed_scroll.set_position(33);
        controls.designed_speed.set_caption("stale");
        controls.f_speed.set_caption(each.current);
        controls.Set_speed.click();
        EXPECT_EQ(controls.speed_scroll.position(), each.position) << each.current;
        EXPECT_EQ(controls.designed_speed.caption(), std::to_string(each.position)) << each.current;
    }

    // A setting loaded while the form is open leaves the current speed at "0".
    controls.speed_scroll.set_position(90);
    lines_to_controls(controls, setting_with({"speed_scroll 1 200 75"}));
    EXPECT_EQ(controls.designed_speed.caption(), "75");
    controls.Set_speed.click();
    EXPECT_EQ(controls.designed_speed.caption(), "1");
}

TEST_F(settings_form_test, the_designed_speed_follows_the_speed_bar_and_never_drops_below_one) {
    controls.designed_speed.set_caption("30");
    form();
    EXPECT_EQ(controls.speed_scroll.position(), 30);
    controls.speed_scroll.scroll(scroll_code::page_down);
    EXPECT_EQ(controls.designed_speed.caption(), "40");

    // A damaged setting widens the bar below 1; the frame rate still has a divisor.
    lines_to_controls(controls, setting_with({"speed_scroll -5 200 -5"}));
    EXPECT_EQ(controls.speed_scroll.position(), -5);
    EXPECT_EQ(controls.designed_speed.caption(), "1");
}

TEST_F(settings_form_test, buttons_close_the_form_or_reach_the_other_dialogs) {
    std::vector<std::string> calls;
    modal_result library_answer = modal_result::cancel;
    hooks.load_settings = [&] {
        calls.push_back("load");
        if (library_answer == modal_result::ok) lines_to_controls(controls, setting_with({"max_polygons 0 100 77"}));
        return library_answer;
    };
    hooks.save_settings = [&] { calls.push_back("save"); };
    hooks.show_options = [&] { calls.push_back("options"); };
    hooks.show_about = [&] { calls.push_back("about"); };
    hooks.kill_program = [&] { calls.push_back("kill"); };
    hooks.open_help = [&] { calls.push_back("help"); };
    int closings = 0;
    form().on_close = [&] { ++closings; };
    form().FormShow();

    controls.Load_btn.click();
    EXPECT_FALSE(controls.setting_loaded) << "the library was left with Cancel";
    library_answer = modal_result::ok;
    controls.Load_btn.click();
    EXPECT_TRUE(controls.setting_loaded);
    EXPECT_EQ(controls.max_polygons.position(), 77);
    controls.Save_btn.click();
    controls.Mode_btn.click();
    controls.About_btn.click();
    EXPECT_TRUE(form().FormKeyDown(settings_form::virtual_key_f1));
    EXPECT_FALSE(form().FormKeyDown(0x71));
    EXPECT_EQ(calls, (lines{"load", "load", "save", "options", "about", "help"}));
    EXPECT_EQ(form().modal_result(), modal_result::still_open) << "none of these closes the form";
    EXPECT_EQ(closings, 0);

    // After a load, Cancel still reports Cancel: the main window puts the snapshot back.
    controls.Can_btn.click();
    EXPECT_EQ(form().modal_result(), modal_result::cancel);
    form().FormShow();
    controls.OK_btn.click();
    EXPECT_EQ(form().modal_result(), modal_result::ok);
    form().FormShow();
    controls.Kill_btn.click();
    EXPECT_EQ(calls.back(), "kill");
    form().end_for_program_exit();
    EXPECT_EQ(form().modal_result(), modal_result::cancel);
    EXPECT_EQ(closings, 3);
}

TEST_F(settings_form_test, empty_hooks_do_nothing) {
    form().FormShow();
    for (button* each : {&controls.Load_btn, &controls.Save_btn, &controls.Mode_btn, &controls.About_btn,
                         &controls.Kill_btn}) {
        each->click();
    }
    EXPECT_TRUE(form().FormKeyDown(settings_form::virtual_key_f1));
    EXPECT_FALSE(controls.setting_loaded);
    EXPECT_EQ(form().modal_result(), modal_result::still_open);
}

TEST_F(settings_form_test, leaves_the_controls_unbound_when_it_goes) {
    form();
    form_.reset();
    controls.max_rot_speed.set_position(10);
    controls.max_rot_speed.scroll(scroll_code::thumb_track, 0);
    EXPECT_EQ(controls.max_rot_speed.position(), 0);
    controls.OK_btn.click();
    controls.fix_speed.set_checked(true);
    EXPECT_TRUE(controls.speed_scroll.enabled());
}

}  // namespace
}  // namespace quor
