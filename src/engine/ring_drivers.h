#pragma once
// What moves the central polygon on every frame: aspect distortion, shape
// changing, rotation, colour and motion of the centre. Each driver has a set-up,
// run once when the engine is built, and a frame step; whatever a driver sets on
// the central polygon travels outward through the rings afterwards. A driver that
// changes the central polygon's geometry marks it `changed`; colour never does.

#include "engine/poly.h"
#include "engine/random_numbers.h"
#include "engine/settings_controls.h"
#include "engine/side_densities.h"

#include <cstdint>

namespace quor {

struct screen_geometry;
struct mouse_position;

// What the drivers read and draw on besides their own state.
struct driver_inputs {
    const settings_controls& form;
    random_generators& random;
    const side_densities& densities;
    const screen_geometry& geometry;
    mouse_position& mouse;
};

// Period or chance from a frequency bar, m = Max - Position: the periodic mode
// keeps m (frames between events, less one); the random mode a chance in percent,
// Round(50 * (2 - log10 m)), with log10 of m <= 0 taken as -150.
std::int32_t period_or_chance(const scroll_bar& frequency, bool periodic);

class ring_drivers {
public:
    // Amplitudes, steps and phases of the aspect distortion. Runs before the
    // polygons are made, because they take their start factors from it.
    void setup_aspect(const settings_controls& form);
    // The aspect factors of a polygon made now.
    double start_aspect_x() const;
    double start_aspect_y() const;

    // Shape, rotation, colour and motion set-up, in that order. `colour_count`
    // is the number of animated palette colours (0 when none was ever loaded).
    void setup(driver_inputs& inputs, poly& central, std::int32_t colour_count);

    // One frame of every driver, in the order aspect, shape, rotation, colour, motion.
    void step(driver_inputs& inputs, poly& central);

    void step_aspect(poly& central);
    void step_shape(driver_inputs& inputs, poly& central);
    void step_rotation(driver_inputs& inputs, poly& central);
    void step_colour(poly& central) const;
    void step_motion(driver_inputs& inputs, poly& central);

    // Aspect distortion.
    double aspect_amp_x = 0.0;       // Position / Max of aspect_a_x
    double aspect_amp_y = 0.0;
    bool aspect_active = false;      // either step is not 0
    std::int32_t aspect_phase_x = 0; // angle steps, 0..16383
    std::int32_t aspect_phase_y = 0;
    std::int32_t aspect_step_x = 0;  // angle steps per frame
    std::int32_t aspect_step_y = 0;

    // Shape changing.
    std::int32_t shape_counter = 0;  // frames since the last change
    std::int32_t shape_period = 0;   // frames (periodic) or percent chance (random)

    // Rotation.
    std::int32_t rot_counter = 0;    // frames since the last jump
    std::int32_t rot_period = 0;     // frames (periodic) or percent chance (random)
    std::int32_t precession = 0;     // 16.16 angle steps added to the central angle per frame
    std::int32_t twist_step = 0;     // twist phase advance per frame, angle steps
    std::int32_t twist_phase = 0;    // angle steps, 0..16383
    double twist_amplitude = 0.0;    // angle steps
    std::int32_t speed_range = 0;    // max_rot_speed - min_rot_speed positions

    // Colour.
    std::int32_t colour_increment = 0;  // 16.16 per frame
    std::int32_t colour_wrap = 0;       // 16.16: colour_count * 65536

    // Motion of the centre.
    double damping = 0.0;
    // Fluid motion: length and progress of the current leg per axis, in frames.
    // Jumps use leg_length_x as their period and leg_counter_x as their counter.
    std::int32_t leg_length_x = 0;
    std::int32_t leg_counter_x = 0;
    std::int32_t leg_length_y = 0;
    std::int32_t leg_counter_y = 0;
    std::int32_t leg_step_x = 0;     // ease_table index advance per frame of the leg
    std::int32_t leg_step_y = 0;
    std::int32_t leg_start_x = 0;    // centre coordinate at the start of the leg
    std::int32_t leg_start_y = 0;
    std::int32_t leg_delta_x = 0;    // distance to cover in the leg, pixels
    std::int32_t leg_delta_y = 0;
    // Parametric motion: phases and advances in angle steps, amplitudes as a
    // fraction of centre_x and centre_y.
    std::int32_t par_phase_a = 0;
    std::int32_t par_step_a = 0;
    std::int32_t par_phase_b = 0;
    std::int32_t par_step_b = 0;
    double par_amp_x = 0.0;
    std::int32_t par_phase_d = 0;
    std::int32_t par_step_d = 0;
    std::int32_t par_phase_e = 0;
    std::int32_t par_step_e = 0;
    double par_amp_y = 0.0;

private:
    void setup_shape(const settings_controls& form);
    void setup_rotation(driver_inputs& inputs, poly& central);
    void setup_colour(const settings_controls& form, std::int32_t colour_count);
    void setup_motion(driver_inputs& inputs, poly& central);
    void jump_rotation(driver_inputs& inputs, poly& central) const;
    void start_fluid_leg(driver_inputs& inputs, std::int32_t position, std::int32_t centre, std::int32_t quarter,
                         std::int32_t& length, std::int32_t& counter, std::int32_t& step, std::int32_t& start,
                         std::int32_t& delta) const;
    std::int32_t gaussian_offset(driver_inputs& inputs, std::int32_t quarter) const;
};

}  // namespace quor
