#pragma once
// One setting running on one picture: the ring engine, the palette it turns,
// the emulated 8-bit screen it draws on, the palette phase and the frame
// timing. Every front end drives one the same way: it asks when the next frame
// is due, waits in its own way (a timer, the display, a test's clock, not at
// all), calls step(), and shows picture(). Nothing here assumes a window.

#include "engine/random_numbers.h"
#include "engine/ring_animation.h"
#include "engine/settings_controls.h"
#include "engine/quorrings.h"
#include "platform/message_box.h"
#include "platform/tick_clock.h"
#include "render/animation_palette.h"
#include "render/index_buffer.h"
#include "render/palette_phase.h"
#include "render/presentation.h"
#include "shell/frame_regulator.h"

#include <cstdint>
#include <memory>

namespace quor {

struct animation_session_parts {
    settings_controls& form;      // the setting: read at every restart and every frame
    animation_palette& palette;   // the palette files and the palette the session turns
    random_generators& random;    // Random(n), ran1, gauss and random_sign, drawn in the designed order
    message_box& messages;        // palette problems, and an engine that cannot be built
    tick_clock& clock;            // frame timing
    ring_animation_factory make_rings = make_quorrings;
};

// What a front end shows: the index image through its colours.
struct session_picture {
    index_image pixels;
    const colour_table& colours;
    std::uint64_t pixels_version;   // changes when pixels were written since the last picture
    std::uint64_t palette_version;  // changes when the colours moved or were loaded
    pixel_area drawn;               // the pixels written since the last picture
};

class animation_session {
public:
    // A black picture of `width` x `height` device pixels and the engine built
    // from the form. When the engine cannot be built the error is shown and
    // the session runs without rings until a restart succeeds. The parts must
    // outlive the session.
    animation_session(const animation_session_parts& parts, int width, int height);
    ~animation_session();
    animation_session(const animation_session&) = delete;
    animation_session& operator=(const animation_session&) = delete;

    // Clears the picture and rebuilds the engine (which loads the setting's
    // palette), the palette phase and the speed data from the form. The new
    // engine is built before the old one goes: should building throw, the old
    // one runs on and the error goes to the caller.
    void restart();
    // A target of another size: the picture follows, cleared, and the engine
    // is rebuilt for the new geometry.
    void resize(int width, int height);

    // 0 when a frame may run now; otherwise the seconds until its slot (only
    // with speed fixing on). The caller waits and asks again; the frame never waits.
    double seconds_until_next_frame();
    // One frame: the palette phase advances and the palette turns by its whole
    // entries (not while paused in "Total freeze"), then one engine step
    // (unless paused) is timed and fed to the frame-speed average.
    void step();
    // A frame under the settings form: only the palette phase advances.
    void skip_frame();

    // Every ring drawn again (a repaint the window system asked for).
    void repaint();
    // The picture goes black; the rings are kept.
    void clear();

    // The picture as it stands; what was drawn is counted from here afresh.
    session_picture picture();
    // True when picture() would differ from the one that had these versions.
    bool picture_differs(std::uint64_t pixels_version, std::uint64_t palette_version) const {
        return !screen_.drawn_area().empty() || pixels_version != pixels_version_ ||
               palette_version != palette_version_;
    }

    // "Try to fix speed on all machines": the regulation paces the frames.
    bool fixed_speed() const { return parts_.form.fix_speed.checked(); }
    bool paused() const { return paused_; }
    void set_paused(bool paused) { paused_ = paused; }
    // The engine steers by it in the follow-mouse motion mode.
    mouse_position& mouse() { return mouse_; }
    const mouse_position& mouse() const { return mouse_; }
    bool has_rings() const { return rings_ != nullptr; }
    ring_animation* rings() { return rings_.get(); }
    const screen_geometry& geometry() const { return environment_.geometry; }
    // The picture's colours as they stand.
    const colour_table& colours() const { return parts_.palette.colours(); }
    const palette_phase& phase() const { return phase_; }
    frame_regulator& regulator() { return regulator_; }
    const frame_regulator& regulator() const { return regulator_; }
    index_buffer& screen() { return screen_; }
    const index_buffer& screen() const { return screen_; }

private:
    // The engine's construction: the setting's palette, then the rings.
    std::unique_ptr<ring_animation> build_rings();
    void load_palette();
    // Palette phase step, frame period, average and wait flag from the form.
    void restart_speed_and_phase();

    animation_session_parts parts_;
    index_buffer screen_;
    mouse_position mouse_;
    ring_environment environment_;
    frame_regulator regulator_;
    palette_phase phase_;
    std::unique_ptr<ring_animation> rings_;
    bool paused_ = false;
    std::uint64_t pixels_version_ = 0;
    std::uint64_t palette_version_ = 0;
};

// The designed speed written on the form's `designed_speed` label, in frames
// per second: a decimal integer of 1 or more. Any other caption gives 1.
int designed_speed_from_caption(std::string_view caption);

}  // namespace quor
