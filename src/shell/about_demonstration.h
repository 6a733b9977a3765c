#pragma once
// The about box's live demonstration: 2048 coloured points in perspective that
// rotate and morph from one shape to the next in a loop of six, drawn on the
// box's own 8-bit surface whose animated palette entries rotate every frame.
// This is the box's behaviour without its window: the Qt box binds its widgets
// to `controls`, calls the Form... handlers, runs `frame_routine` whenever
// `seconds_until_next_frame` says a frame is due, and shows `surface()`.

#include "engine/uniform_random.h"
#include "platform/tick_clock.h"
#include "render/dib_surface.h"
#include "render/logical_palette.h"
#include "shell/about_controls.h"
#include "shell/about_data_file.h"
#include "shell/about_shapes.h"
#include "shell/frame_speed.h"
#include "shell/frame_timer.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace quor {

// Kept from one showing to the next; each showing sets all but the four
// counters from the controls.
struct about_state {
    std::int32_t frame_count = 0;   // frames drawn; drives the rotation angles
    std::int32_t shape_index = 0;   // the shape shown or morphed from, 0..5
    std::int32_t pause_count = 0;   // frames paused on the current shape; -1 while morphing
    std::int32_t morph_step = 0;    // steps taken towards the next shape; 0 while pausing
    std::int32_t pause_length = 30; // frames to pause on each shape
    std::int32_t morph_length = 21; // steps of one morph, at least 1
    // Angle steps (of 16384 a turn) per frame, in fours.
    std::int32_t rot_speed_x = 3;
    std::int32_t rot_speed_y = 4;
    std::int32_t rot_speed_z = 7;
    // Both set from persp at every showing.
    double view_distance = 0.0;     // added to the depth of every point
    double projection_scale = 0.0;  // view_distance x 100
    std::int32_t picture_centre_x = 0;  // pixels
    std::int32_t picture_centre_y = 0;  // pixels
};

class about_demonstration {
public:
    static constexpr double frames_per_second_limit = 30.5;
    static constexpr point picture_size{372, 308};  // the picture panel's inner area, pixels

    // `clock` and `random` (the shared Random(n)) must outlive the demonstration.
    about_demonstration(tick_clock& clock, uniform_random& random);
    about_demonstration(const about_demonstration&) = delete;
    about_demonstration& operator=(const about_demonstration&) = delete;

    // Once, when the box is created: keeps the data file's images for every showing.
    void FormCreate(const about_images& images);
    // Makes the surface with the current palette and its `colour_count` animated
    // entries (0 when no palette is loaded: nothing is then drawn), rebuilds the
    // shapes and takes the controls' values; the sequence goes on where it stopped.
    void FormShow(const logical_palette& palette, int colour_count, point size = picture_size);
    // Releases the surface.
    void FormHide();

    // Handlers of the controls, wired to them; callable directly too.
    void x_rotChange();     // x_rot, y_rot, z_rot, persp (and cycle_speed)
    void morph_scChange();  // morph_sc: restarts the current morph
    void pause_scChange();  // pause_sc
    void Button1Click();    // "Stabilize": calm controls, shape 0 at once

    // Frames start at least 1 / 30.5 s apart: the time left until the next may.
    double seconds_until_next_frame();
    // While shown and when a frame is due: measures the frame rate into
    // `about_speed`, rotates the palette by `cycle_speed` and advances and draws.
    // Returns whether a frame ran.
    bool frame_routine();
    // The animated entries turn by the `cycle_speed` position: entry 10 + i takes
    // the former entry 10 + (i + k) mod N.
    void rotate_palette();
    // One step of the pause and morph counters and one picture; returns the
    // number of points plotted. Nothing while hidden.
    int advance_and_draw();

    about_controls controls;
    about_state state;

    bool showing() const { return surface_.has_value(); }
    // Null while hidden.
    const DIBsurfaceobject* surface() const { return surface_ ? &*surface_ : nullptr; }
    // Row by row, as last computed by advance_and_draw.
    const std::array<double, 9>& rotation() const { return rotation_; }
    const about_shape_table& shapes() const { return *shapes_; }
    const frame_speed_obj& speed() const { return speed_; }

private:
    void compute_rotation();

    uniform_random& random_;
    frame_timer timer_;
    frame_speed_obj speed_;
    about_images images_;
    std::unique_ptr<about_shape_table> shapes_;
    std::optional<DIBsurfaceobject> surface_;
    logical_palette palette_;  // the surface's palette, as rotated
    int colour_count_ = 0;     // N, animated entries from index 10
    std::array<double, 9> rotation_{};
};

}  // namespace quor
