#pragma once
// A setting that keeps every driver busy: 200 rings, rub-out on, distorted
// aspect, sinusoidal rotation, random shape changes over four numbers of sides,
// a moving colour and parametric motion. So every ring is erased and redrawn
// every frame: the engine's heaviest ordinary load, for tests and benchmarks.

#include "engine/settings_controls.h"
#include "storage/setting_conversion.h"

#include <string>
#include <vector>

namespace quor::testing {

inline const std::vector<std::string>& busy_setting_lines() {
    static const std::vector<std::string> lines = {
        "Busy setting",
        "max_polygons\t0\t200\t200",
        "vanishing\t0\t100\t10",
        "perspective\t0\t100\t30",
        "magnification\t0\t100\t25",
        "in_out\tTRUE",
        "rub_out\tTRUE",
        "aspect_a_x\t0\t100\t30",
        "aspect_a_y\t0\t100\t100",
        "aspect_f_x\t0\t100\t4",
        "sin_rotation\tTRUE",
        "ampl\t0\t100\t40",
        "freq\t0\t100\t10",
        "precess\t0\t100\t2",
        "density3\t-100\t0\t-50",
        "density4\t-100\t0\t-50",
        "density6\t-100\t0\t-50",
        "density8\t-100\t0\t-50",
        "colour_step\t-128\t128\t5",
        "shape_freq\t0\t100\t90",
        "shape_ran\tTRUE",
        "par_motion\tTRUE",
        "mot_par_d\t0\t100\t2",
        "mot_par_e\t0\t100\t1",
        "mot_par_f\t0\t100\t20",
        "mot_par_a\t0\t100\t3",
        "mot_par_b\t0\t100\t1",
        "mot_par_c\t0\t100\t20",
        "draw_solid\tTRUE",
    };
    return lines;
}

inline void apply_busy_setting(settings_controls& form) { lines_to_controls(form, busy_setting_lines()); }

}  // namespace quor::testing
