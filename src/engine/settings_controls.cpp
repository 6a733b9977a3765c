#include "engine/settings_controls.h"

#include "engine/parameter_catalogue.h"

#include <stdexcept>
#include <string>

namespace quor {
namespace {

// A field that names a control the catalogue lacks, or gives it the wrong kind or
// panel, is a programming error: fail at once rather than write a wrong setting.
const parameter& catalogue_entry(std::string_view name, parameter_kind kind) {
    const parameter* entry = find_parameter(name);
    if (!entry || entry->kind != kind) {
        throw std::logic_error("settings form field does not match the parameter catalogue: " + std::string(name));
    }
    return *entry;
}

}  // namespace

scroll_bar settings_controls::catalogue_scroll_bar(std::string_view name) {
    const parameter& entry = catalogue_entry(name, parameter_kind::scroll_bar);
    return scroll_bar(std::string(name), entry.minimum, entry.maximum, entry.position, entry.vertical);
}

check_box settings_controls::catalogue_check_box(std::string_view name) {
    const parameter& entry = catalogue_entry(name, parameter_kind::check_box);
    return check_box(std::string(name), std::string(entry.caption), entry.checked);
}

radio_button settings_controls::catalogue_radio_button(radio_panel& panel, std::string_view name) {
    const parameter& entry = catalogue_entry(name, parameter_kind::radio_button);
    if (entry.panel != panel.name()) {
        throw std::logic_error("radio button on the wrong panel: " + std::string(name));
    }
    return radio_button(std::string(name), std::string(entry.caption), panel, entry.group, entry.checked);
}

settings_controls::settings_controls() {
    add_components({&Screensaver, &max_polygons, &vanishing, &perspective, &magnification, &in_out, &hide_cursor,
                    &rub_out, &aspect_a_x, &aspect_sync, &aspect_a_y, &aspect_f_x, &aspect_f_y, &ran_rotation,
                    &no_rotation, &sin_rotation, &ampl, &freq, &precess, &max_rot_speed, &min_rot_speed,
                    &rot_ran_per, &rot_ran_ran, &rot_ran_freq, &density1, &density2, &density3, &density4,
                    &density5, &density6, &density7, &density8, &density9, &density10, &palette_inc,
                    &colour_step, &palette_list, &pause_freeze, &pause_continue, &pause_mouse, &shape_freq,
                    &shape_per, &shape_ran, &no_motion, &mouse_motion, &mot_b_damping, &mot_ran_freq,
                    &ran_fluid_motion, &ran_uniform, &ran_gaussian, &ran_jump_motion, &par_motion, &mot_par_d,
                    &mot_par_e, &mot_par_f, &mot_par_a, &mot_par_b, &mot_par_c, &draw_solid, &draw_vertices,
                    &fix_speed, &speed_scroll, &f_speed, &designed_speed, &Set_speed, &rot_zero, &PDF_zero,
                    &PDF_max, &Button1, &OK_btn, &Can_btn, &Load_btn, &Save_btn, &Mode_btn, &About_btn,
                    &Kill_btn});
    // The catalogue and the declaration order must agree: the setting format follows both.
    const auto catalogue = parameter_catalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        if (i >= components().size() || components()[i]->name() != catalogue[i].name) {
            throw std::logic_error("settings form order differs from the parameter catalogue at " +
                                   std::string(catalogue[i].name));
        }
        components()[i]->set_visible(catalogue[i].visible);
    }
}

}  // namespace quor
