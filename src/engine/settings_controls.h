#pragma once
// The controls of the settings form `TSettings_Form`, without its window. They
// are the animation parameters: the engine reads them, a setting is written from
// and applied to them, and the Qt form binds one widget to each. Fields are
// declared in the form's component order, which a setting's lines follow, and
// join the set in that order; ranges, defaults and captions of the parameter
// controls come from the catalogue, whose order they must keep (checked once,
// when the controls are built).

#include "engine/button.h"
#include "engine/check_box.h"
#include "engine/control_set.h"
#include "engine/label.h"
#include "engine/list_box.h"
#include "engine/radio_button.h"
#include "engine/scroll_bar.h"

#include <string_view>

namespace quor {

class settings_controls : public control_set {
public:
    settings_controls();

    // Empties the palette list and fills it with these names (kept sorted).
    template <typename Names>
    void fill_palette_list(const Names& names) {
        palette_list.clear();
        for (const auto& name : names) palette_list.add(std::string(name));
    }

    // Panels whose radio buttons exclude each other; declared before their buttons.
    radio_panel Panel_02{"Panel_02"};
    radio_panel Panel_12{"Panel_12"};
    radio_panel Panel_20{"Panel_20"};
    radio_panel Panel_21{"Panel_21"};
    radio_panel Panel_22{"Panel_22"};

    check_box Screensaver = catalogue_check_box("Screensaver");
    scroll_bar max_polygons = catalogue_scroll_bar("max_polygons");
    scroll_bar vanishing = catalogue_scroll_bar("vanishing");
    scroll_bar perspective = catalogue_scroll_bar("perspective");
    scroll_bar magnification = catalogue_scroll_bar("magnification");
    check_box in_out = catalogue_check_box("in_out");
    check_box hide_cursor = catalogue_check_box("hide_cursor");
    check_box rub_out = catalogue_check_box("rub_out");
    scroll_bar aspect_a_x = catalogue_scroll_bar("aspect_a_x");
    check_box aspect_sync = catalogue_check_box("aspect_sync");
    scroll_bar aspect_a_y = catalogue_scroll_bar("aspect_a_y");
    scroll_bar aspect_f_x = catalogue_scroll_bar("aspect_f_x");
    scroll_bar aspect_f_y = catalogue_scroll_bar("aspect_f_y");
    radio_button ran_rotation = catalogue_radio_button(Panel_02, "ran_rotation");
    radio_button no_rotation = catalogue_radio_button(Panel_02, "no_rotation");
    radio_button sin_rotation = catalogue_radio_button(Panel_02, "sin_rotation");
    scroll_bar ampl = catalogue_scroll_bar("ampl");
    scroll_bar freq = catalogue_scroll_bar("freq");
    scroll_bar precess = catalogue_scroll_bar("precess");
    scroll_bar max_rot_speed = catalogue_scroll_bar("max_rot_speed");
    scroll_bar min_rot_speed = catalogue_scroll_bar("min_rot_speed");
    radio_button rot_ran_per = catalogue_radio_button(Panel_02, "rot_ran_per");
    radio_button rot_ran_ran = catalogue_radio_button(Panel_02, "rot_ran_ran");
    scroll_bar rot_ran_freq = catalogue_scroll_bar("rot_ran_freq");
    scroll_bar density1 = catalogue_scroll_bar("density1");
    scroll_bar density2 = catalogue_scroll_bar("density2");
    scroll_bar density3 = catalogue_scroll_bar("density3");
    scroll_bar density4 = catalogue_scroll_bar("density4");
    scroll_bar density5 = catalogue_scroll_bar("density5");
    scroll_bar density6 = catalogue_scroll_bar("density6");
    scroll_bar density7 = catalogue_scroll_bar("density7");
    scroll_bar density8 = catalogue_scroll_bar("density8");
    scroll_bar density9 = catalogue_scroll_bar("density9");
    scroll_bar density10 = catalogue_scroll_bar("density10");
    scroll_bar palette_inc = catalogue_scroll_bar("palette_inc");
    scroll_bar colour_step = catalogue_scroll_bar("colour_step");
    // Upper-case palette file names; the selection is the setting's palette.
    list_box palette_list = catalogue_list_box("palette_list");
    radio_button pause_freeze = catalogue_radio_button(Panel_12, "pause_freeze");
    radio_button pause_continue = catalogue_radio_button(Panel_12, "pause_continue");
    radio_button pause_mouse = catalogue_radio_button(Panel_12, "pause_mouse");
    scroll_bar shape_freq = catalogue_scroll_bar("shape_freq");
    radio_button shape_per = catalogue_radio_button(Panel_20, "shape_per");
    radio_button shape_ran = catalogue_radio_button(Panel_20, "shape_ran");
    radio_button no_motion = catalogue_radio_button(Panel_21, "no_motion");
    radio_button mouse_motion = catalogue_radio_button(Panel_21, "mouse_motion");
    scroll_bar mot_b_damping = catalogue_scroll_bar("mot_b_damping");
    scroll_bar mot_ran_freq = catalogue_scroll_bar("mot_ran_freq");
    radio_button ran_fluid_motion = catalogue_radio_button(Panel_21, "ran_fluid_motion");
    radio_button ran_uniform = catalogue_radio_button(Panel_21, "ran_uniform");
    radio_button ran_gaussian = catalogue_radio_button(Panel_21, "ran_gaussian");
    radio_button ran_jump_motion = catalogue_radio_button(Panel_21, "ran_jump_motion");
    radio_button par_motion = catalogue_radio_button(Panel_21, "par_motion");
    scroll_bar mot_par_d = catalogue_scroll_bar("mot_par_d");
    scroll_bar mot_par_e = catalogue_scroll_bar("mot_par_e");
    scroll_bar mot_par_f = catalogue_scroll_bar("mot_par_f");
    scroll_bar mot_par_a = catalogue_scroll_bar("mot_par_a");
    scroll_bar mot_par_b = catalogue_scroll_bar("mot_par_b");
    scroll_bar mot_par_c = catalogue_scroll_bar("mot_par_c");
    radio_button draw_solid = catalogue_radio_button(Panel_22, "draw_solid");
    radio_button draw_vertices = catalogue_radio_button(Panel_22, "draw_vertices");
    check_box fix_speed = catalogue_check_box("fix_speed");
    scroll_bar speed_scroll = catalogue_scroll_bar("speed_scroll");

    // Components that carry no parameter.
    label f_speed{*this, "f_speed", "1"};                // measured frames per second, as text
    label designed_speed{*this, "designed_speed", "1"};  // target frames per second, as text
    button Set_speed{*this, "Set_speed", "Set"};
    button rot_zero{*this, "rot_zero", "zero all"};
    button PDF_zero{*this, "PDF_zero", "zero all"};
    button PDF_max{*this, "PDF_max", "max all"};
    button Button1{*this, "Button1", "zero all"};
    button OK_btn{*this, "OK_btn", "OK"};
    button Can_btn{*this, "Can_btn", "Cancel"};
    button Load_btn{*this, "Load_btn", "Load settings"};
    button Save_btn{*this, "Save_btn", "Save settings"};
    button Mode_btn{*this, "Mode_btn", "Extra Options"};
    button About_btn{*this, "About_btn", "About"};
    button Kill_btn{*this, "Kill_btn", "Kill Quor Rings"};

    // True once a setting was loaded from the library during the current showing.
    bool setting_loaded = false;

private:
    // A field for the catalogue's control of that name, which joins the set.
    scroll_bar catalogue_scroll_bar(std::string_view name);
    check_box catalogue_check_box(std::string_view name);
    radio_button catalogue_radio_button(radio_panel& panel, std::string_view name);
    list_box catalogue_list_box(std::string_view name);
};

}  // namespace quor
