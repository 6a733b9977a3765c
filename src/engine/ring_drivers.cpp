#include "engine/ring_drivers.h"

#include "engine/angle_tables.h"
#include "engine/quorrings.h"
#include "engine/rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quor {

namespace {

constexpr std::int32_t angle_mask = angle_steps_per_turn - 1;  // mod 16384 is the low 14 bits
constexpr std::int64_t one = 65536;                           // 1.0 in 16.16

// Angles, spins and colour steps are 32-bit values that wrap, as the stored
// settings were tuned with; the products are taken in 64 bits first so that a
// damaged setting's huge positions cannot overflow.
std::int32_t wrapped(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Coordinates and lengths stop at the ends of the 32-bit range instead.
std::int32_t saturated(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// A phase moved on by a step, modulo one turn.
std::int32_t advanced(std::int32_t phase, std::int32_t step) {
    return static_cast<std::int32_t>((std::int64_t{phase} + step) & angle_mask);
}

double aspect_factor(std::int32_t phase, double amplitude) {
    return 1.0 - (shared_angle_tables().sin_table[phase] * 0.5 + 0.5) * amplitude;
}

// Position / (Max + 1) in doubles: Max + 1 cannot overflow there.
double fraction_below_max(const scroll_bar& bar) {
    return bar.position() / (static_cast<double>(bar.maximum()) + 1.0);
}

double fraction_of_max(const scroll_bar& bar) {
    return bar.position() / static_cast<double>(bar.maximum());
}

}  // namespace

std::int32_t period_or_chance(const scroll_bar& frequency, bool periodic) {
    const std::int64_t m = std::int64_t{frequency.maximum()} - frequency.position();
    if (periodic) return saturated(m);
    const double logarithm = m > 0 ? std::log10(static_cast<double>(m)) : -150.0;
    return round_to_int(50.0 * (2.0 - logarithm));
}

// ---- Aspect distortion ----

void ring_drivers::setup_aspect(const settings_controls& form) {
    aspect_phase_x = 0;
    aspect_phase_y = 0;
    aspect_amp_x = fraction_of_max(form.aspect_a_x);
    aspect_amp_y = fraction_of_max(form.aspect_a_y);
    aspect_step_x = wrapped(std::int64_t{form.aspect_f_x.position()} * 8);
    aspect_step_y = wrapped(std::int64_t{form.aspect_f_y.position()} * 8);
    aspect_active = aspect_step_x != 0 || aspect_step_y != 0;
}

double ring_drivers::start_aspect_x() const {
    return aspect_active ? aspect_factor(aspect_phase_x, aspect_amp_x) : aspect_amp_x;
}

double ring_drivers::start_aspect_y() const {
    return aspect_active ? aspect_factor(aspect_phase_y, aspect_amp_y) : aspect_amp_y;
}

void ring_drivers::step_aspect(poly& central) {
    if (!aspect_active) return;
    aspect_phase_x = advanced(aspect_phase_x, aspect_step_x);
    aspect_phase_y = advanced(aspect_phase_y, aspect_step_y);
    central.aspect_x = aspect_factor(aspect_phase_x, aspect_amp_x);
    central.aspect_y = aspect_factor(aspect_phase_y, aspect_amp_y);
    central.changed = 1;
}

// ---- The rest of the set-up ----

void ring_drivers::setup(driver_inputs& inputs, poly& central, std::int32_t colour_count) {
    setup_shape(inputs.form);
    setup_rotation(inputs, central);
    setup_colour(inputs.form, colour_count);
    setup_motion(inputs, central);
}

void ring_drivers::step(driver_inputs& inputs, poly& central) {
    step_aspect(central);
    step_shape(inputs, central);
    step_rotation(inputs, central);
    step_colour(central);
    step_motion(inputs, central);
}

// ---- Shape changing ----

void ring_drivers::setup_shape(const settings_controls& form) {
    shape_period = period_or_chance(form.shape_freq, form.shape_per.checked());
    shape_counter = 0;
}

void ring_drivers::step_shape(driver_inputs& inputs, poly& central) {
    if (inputs.form.shape_per.checked()) {
        shape_counter += 1;
        if (shape_counter <= shape_period) return;
        shape_counter = 0;
    } else if (inputs.random.uniform.next(100) >= shape_period) {
        return;
    }
    // The new count may equal the old one; the ring is marked all the same.
    central.side_count = inputs.densities.sides(inputs.random.uniform);
    central.changed = 1;
}

// ---- Rotation ----

void ring_drivers::setup_rotation(driver_inputs& inputs, poly& central) {
    const settings_controls& form = inputs.form;
    rot_counter = 0;
    precession = wrapped(std::int64_t{form.precess.position()} * 8 * one);
    twist_step = wrapped(std::int64_t{form.freq.position()} * 4);
    twist_phase = 0;
    twist_amplitude = form.ampl.position() * 2.0;
    speed_range = wrapped(std::int64_t{form.max_rot_speed.position()} - form.min_rot_speed.position());
    rot_period = period_or_chance(form.rot_ran_freq, form.rot_ran_per.checked());
    if (form.ran_rotation.checked()) jump_rotation(inputs, central);
}

void ring_drivers::jump_rotation(driver_inputs& inputs, poly& central) const {
    uniform_random& random = inputs.random.uniform;
    // The three draws in this order: angle, speed, factor.
    central.angle = wrapped(std::int64_t{random.next(angle_steps_per_turn)} * one);
    const std::int64_t speed = std::int64_t{random.next(speed_range)} + inputs.form.min_rot_speed.position();
    const std::int64_t factor = random.next(8) + 8;
    central.spin = wrapped(speed * factor * one);
}

void ring_drivers::step_rotation(driver_inputs& inputs, poly& central) {
    const settings_controls& form = inputs.form;
    if (form.no_rotation.checked()) return;
    if (form.sin_rotation.checked()) {
        central.angle = wrapped(std::int64_t{central.angle} + precession);
        twist_phase = advanced(twist_phase, twist_step);
        const double twist = shared_angle_tables().sin_table[twist_phase] * twist_amplitude;
        central.spin = wrapped(std::int64_t{round_to_int(twist)} * one);
        central.changed = 1;
    } else if (form.rot_ran_per.checked()) {
        rot_counter += 1;
        if (rot_counter <= rot_period) return;
        rot_counter = 0;
        jump_rotation(inputs, central);
        central.changed = 1;
    } else if (form.rot_ran_ran.checked()) {
        if (inputs.random.uniform.next(100) >= rot_period) return;
        jump_rotation(inputs, central);
        central.changed = 1;
    }
}

// ---- Colour ----

void ring_drivers::setup_colour(const settings_controls& form, std::int32_t colour_count) {
    colour_increment = wrapped(std::int64_t{form.colour_step.position()} * 6000);
    colour_wrap = wrapped(std::int64_t{colour_count} * one);
}

void ring_drivers::step_colour(poly& central) const {
    // Without a palette there is no colour range; colour 0 keeps the pen inside the palette.
    if (colour_wrap <= 0) {
        central.colour = 0;
        return;
    }
    // A whole modulo rather than one subtraction: with a small palette a step can
    // exceed the range, and the colour must still land inside it.
    std::int64_t colour = (std::int64_t{central.colour} + colour_increment) % colour_wrap;
    if (colour < 0) colour += colour_wrap;
    central.colour = static_cast<std::int32_t>(colour);
}

// ---- Motion of the centre ----

void ring_drivers::setup_motion(driver_inputs& inputs, poly& central) {
    const settings_controls& form = inputs.form;
    const screen_geometry& geometry = inputs.geometry;
    leg_counter_x = 0;
    leg_counter_y = 0;
    leg_delta_x = 0;
    leg_delta_y = 0;
    inputs.mouse.mouse_x = geometry.centre_x;
    inputs.mouse.mouse_y = geometry.centre_y;
    if (form.no_motion.checked()) return;
    if (form.mouse_motion.checked()) {
        damping = 1.0 - fraction_below_max(form.mot_b_damping);
    } else if (form.ran_fluid_motion.checked()) {
        damping = fraction_below_max(form.mot_b_damping);
        leg_length_x = 0;
        leg_length_y = 0;
    } else if (form.ran_jump_motion.checked()) {
        leg_length_x = saturated(std::int64_t{form.mot_ran_freq.maximum()} - form.mot_ran_freq.position());
    } else if (form.par_motion.checked()) {
        par_phase_a = par_phase_b = par_phase_d = par_phase_e = 0;
        par_step_a = wrapped(std::int64_t{form.mot_par_a.position()} * 2);
        par_step_b = wrapped(std::int64_t{form.mot_par_b.position()} * 2);
        par_step_d = wrapped(std::int64_t{form.mot_par_d.position()} * 2);
        par_step_e = wrapped(std::int64_t{form.mot_par_e.position()} * 2);
        par_amp_x = fraction_of_max(form.mot_par_c);
        par_amp_y = fraction_of_max(form.mot_par_f);
        // Where the first frame's curve starts, all phases at 0.
        central.cx = saturated(std::int64_t{geometry.centre_x} + round_to_int(geometry.centre_x * par_amp_x));
        central.cy = geometry.centre_y;
    }
}

std::int32_t ring_drivers::gaussian_offset(driver_inputs& inputs, std::int32_t quarter) const {
    // The Gaussian value is drawn before its sign.
    const std::int64_t magnitude = round_to_int(inputs.random.numbers.gauss(0.0, quarter));
    const std::int64_t sign = inputs.random.numbers.random_sign();
    return saturated(magnitude * sign);
}

void ring_drivers::start_fluid_leg(driver_inputs& inputs, std::int32_t position, std::int32_t centre,
                                   std::int32_t quarter, std::int32_t& length, std::int32_t& counter,
                                   std::int32_t& step, std::int32_t& start, std::int32_t& delta) const {
    start = position;
    if (inputs.form.ran_uniform.checked()) {
        const std::int32_t target = inputs.random.uniform.next(saturated(std::int64_t{centre} * 2));
        delta = saturated(std::int64_t{target} - position);
    } else {
        delta = saturated(std::int64_t{gaussian_offset(inputs, quarter)} + centre - position);
    }
    length = saturated(std::abs(std::int64_t{round_to_int(delta * damping)}));
    if (length > 0) {
        counter = 0;
        step = (angle_steps_per_turn - 1) / length;
    } else {
        counter = 1;
        step = angle_steps_per_turn - 1;
    }
}

void ring_drivers::step_motion(driver_inputs& inputs, poly& central) {
    const settings_controls& form = inputs.form;
    const screen_geometry& geometry = inputs.geometry;
    if (form.no_motion.checked()) return;
    if (form.mouse_motion.checked()) {
        central.cx = round_to_int((inputs.mouse.mouse_x - static_cast<double>(central.cx)) * damping + central.cx);
        central.cy = round_to_int((inputs.mouse.mouse_y - static_cast<double>(central.cy)) * damping + central.cy);
        central.changed = 1;
    } else if (form.ran_fluid_motion.checked()) {
        // x before y; each axis starts its next leg from where the centre stands.
        if (++leg_counter_x > leg_length_x)
            start_fluid_leg(inputs, central.cx, geometry.centre_x, geometry.quarter_x, leg_length_x, leg_counter_x,
                            leg_step_x, leg_start_x, leg_delta_x);
        if (++leg_counter_y > leg_length_y)
            start_fluid_leg(inputs, central.cy, geometry.centre_y, geometry.quarter_y, leg_length_y, leg_counter_y,
                            leg_step_y, leg_start_y, leg_delta_y);
        central.changed = 1;
        const auto& ease = shared_angle_tables().ease_table;
        const double eased_x = ease[(std::int64_t{leg_counter_x} * leg_step_x) & angle_mask];
        const double eased_y = ease[(std::int64_t{leg_counter_y} * leg_step_y) & angle_mask];
        central.cx = saturated(std::int64_t{round_to_int(leg_delta_x * eased_x)} + leg_start_x);
        central.cy = saturated(std::int64_t{round_to_int(leg_delta_y * eased_y)} + leg_start_y);
    } else if (form.ran_jump_motion.checked()) {
        if (++leg_counter_x <= leg_length_x) return;
        leg_counter_x = 0;
        uniform_random& random = inputs.random.uniform;
        if (form.ran_uniform.checked()) {
            central.cx = random.next(saturated(std::int64_t{geometry.centre_x} * 2));
            central.cy = random.next(saturated(std::int64_t{geometry.centre_y} * 2));
        } else {
            central.cx = saturated(std::int64_t{geometry.centre_x} - gaussian_offset(inputs, geometry.quarter_x));
            central.cy = saturated(std::int64_t{geometry.centre_y} - gaussian_offset(inputs, geometry.quarter_y));
        }
        central.changed = 1;
    } else if (form.par_motion.checked()) {
        par_phase_a = advanced(par_phase_a, par_step_a);
        par_phase_d = advanced(par_phase_d, par_step_d);
        par_phase_b = advanced(par_phase_b, par_step_b);
        par_phase_e = advanced(par_phase_e, par_step_e);
        const angle_tables& tables = shared_angle_tables();
        const double x = geometry.centre_x * par_amp_x * tables.cos_table[par_phase_a] * tables.cos_table[par_phase_b];
        const double y = geometry.centre_y * par_amp_y * tables.sin_table[par_phase_d] * tables.cos_table[par_phase_e];
        central.cx = saturated(std::int64_t{round_to_int(x)} + geometry.centre_x);
        central.cy = saturated(std::int64_t{round_to_int(y)} + geometry.centre_y);
        central.changed = 1;
    }
}

}  // namespace quor
