#include "engine/parameter_catalogue.h"

#include <array>

namespace quor {
namespace {

constexpr parameter bar(std::string_view name, std::string_view panel, std::string_view caption, int minimum = 0,
                        int maximum = 100, int position = 0) {
    return {.name = name, .kind = parameter_kind::scroll_bar, .panel = panel, .caption = caption,
            .minimum = minimum, .maximum = maximum, .position = position};
}

constexpr parameter vertical_bar(std::string_view name, std::string_view caption) {
    parameter result = bar(name, "Panel_10", caption);
    result.vertical = true;
    return result;
}

constexpr parameter radio(std::string_view name, std::string_view panel, int group, std::string_view caption,
                          bool checked = false) {
    return {.name = name, .kind = parameter_kind::radio_button, .panel = panel, .caption = caption, .group = group,
            .checked = checked};
}

constexpr parameter check(std::string_view name, std::string_view panel, std::string_view caption) {
    return {.name = name, .kind = parameter_kind::check_box, .panel = panel, .caption = caption};
}

constexpr bool checked_at_design = true;

constexpr std::array catalogue = {
    // Never shown: it carries the setting's tag.
    parameter{.name = "Screensaver", .kind = parameter_kind::check_box, .panel = "Panel_00", .caption = "Screensaver",
              .visible = false},
    bar("max_polygons", "Panel_00", "Max. Quorrings"),
    bar("vanishing", "Panel_00", "Vanishing point"),
    bar("perspective", "Panel_00", "Perspective"),
    bar("magnification", "Panel_00", "Magnification"),
    check("in_out", "Panel_00", "In/Out"),
    check("hide_cursor", "Panel_00", "Hide cursor"),
    check("rub_out", "Panel_00", "Rub out"),
    bar("aspect_a_x", "Panel_01", "Amplitude x"),
    check("aspect_sync", "Panel_01", "Sync all"),
    bar("aspect_a_y", "Panel_01", "Amplitude y"),
    bar("aspect_f_x", "Panel_01", "Frequency x"),
    bar("aspect_f_y", "Panel_01", "Frequency y"),
    radio("ran_rotation", "Panel_02", 0, "Random rotation pattern"),
    radio("no_rotation", "Panel_02", 0, "No rotation"),
    radio("sin_rotation", "Panel_02", 0, "Sinusoidal rotation pattern"),
    bar("ampl", "Panel_02", "Amplitude"),
    bar("freq", "Panel_02", "Frequency"),
    bar("precess", "Panel_02", "Precession"),
    bar("max_rot_speed", "Panel_02", "Max. speed"),
    bar("min_rot_speed", "Panel_02", "Min. speed"),
    radio("rot_ran_per", "Panel_02", 1, "Periodic", checked_at_design),
    radio("rot_ran_ran", "Panel_02", 1, "Random"),
    bar("rot_ran_freq", "Panel_02", "Frequency"),
    vertical_bar("density1", "1"),
    vertical_bar("density2", "2"),
    vertical_bar("density3", "3"),
    vertical_bar("density4", "4"),
    vertical_bar("density5", "5"),
    vertical_bar("density6", "6"),
    vertical_bar("density7", "7"),
    vertical_bar("density8", "8"),
    vertical_bar("density9", "9"),
    vertical_bar("density10", "10"),
    bar("palette_inc", "Panel_12", "Palette cycling", -128, 128),
    bar("colour_step", "Panel_12", "Colour step size", -128, 128),
    parameter{.name = "palette_list", .kind = parameter_kind::list_box, .panel = "Panel_12"},
    radio("pause_freeze", "Panel_12", 0, "Total freeze"),
    radio("pause_continue", "Panel_12", 0, "Continue cycling", checked_at_design),
    radio("pause_mouse", "Panel_12", 0, "Mouse move cycling"),
    bar("shape_freq", "Panel_20", "Frequency"),
    radio("shape_per", "Panel_20", 0, "Periodic", checked_at_design),
    radio("shape_ran", "Panel_20", 0, "Random"),
    radio("no_motion", "Panel_21", 0, "No motion"),
    radio("mouse_motion", "Panel_21", 0, "Follow mouse"),
    bar("mot_b_damping", "Panel_21", "Damping"),
    bar("mot_ran_freq", "Panel_21", "Frequency"),
    radio("ran_fluid_motion", "Panel_21", 0, "Random fluid motion"),
    radio("ran_uniform", "Panel_21", 1, "Uniform"),
    radio("ran_gaussian", "Panel_21", 1, "Gaussian", checked_at_design),
    radio("ran_jump_motion", "Panel_21", 0, "Random periodic jumps"),
    radio("par_motion", "Panel_21", 0, "Parametric motion x,y"),
    // Parametric motion: the y column, rows f, r, s.
    bar("mot_par_d", "Panel_21", "f"),
    bar("mot_par_e", "Panel_21", "r"),
    bar("mot_par_f", "Panel_21", "s"),
    // The x column.
    bar("mot_par_a", "Panel_21", "f"),
    bar("mot_par_b", "Panel_21", "r"),
    bar("mot_par_c", "Panel_21", "s"),
    radio("draw_solid", "Panel_22", 0, "Solid lines", checked_at_design),
    radio("draw_vertices", "Panel_22", 0, "Just vertices"),
    parameter{.name = "fix_speed", .kind = parameter_kind::check_box, .panel = "Panel1",
              .caption = "Try to fix speed on all machines", .hint = "Green = Could go faster"},
    // Frames per second the regulation aims at.
    bar("speed_scroll", "Panel1", "Designed speed", 1, 200, 1),
};

}  // namespace

std::span<const parameter> parameter_catalogue() { return catalogue; }

const parameter* find_parameter(std::string_view name) {
    for (const parameter& entry : catalogue) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

}  // namespace quor
