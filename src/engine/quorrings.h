#pragma once
// The ring animation: N + 1 polygon slots at fixed depths between the vanishing
// point and the viewer. Every frame each drawn slot takes over its inner
// neighbour's state and the drivers move the central polygon on.
//
// Everything the engine reads from its surroundings comes in through
// `ring_environment`, so any number of engines of any size can run side by side
// (the full screen, a preview pane, an off-screen image).

#include "engine/poly.h"
#include "engine/random_numbers.h"
#include "engine/ring_animation.h"
#include "engine/ring_drivers.h"
#include "engine/settings_controls.h"
#include "engine/side_densities.h"
#include "render/animation_palette.h"
#include "render/index_buffer.h"
#include "render/palette_pens.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace quor {

// Screen geometry of the drawing target, in device pixels.
struct screen_geometry {
    std::int32_t centre_x = 0;   // (width - 1) div 2
    std::int32_t centre_y = 0;   // (height - 1) div 2
    std::int32_t half_size = 0;  // min(centre_x, centre_y)
    std::int32_t quarter_x = 0;  // centre_x div 4
    std::int32_t quarter_y = 0;  // centre_y div 4

    static screen_geometry for_size(int width, int height);
};

// The last mouse position in target coordinates; the engine centres it at construction.
struct mouse_position {
    std::int32_t mouse_x = 0;
    std::int32_t mouse_y = 0;
};

// What an engine reads from its surroundings. Only an animation session puts
// one together.
struct ring_environment {
    settings_controls& form;      // the parameters
    animation_palette& palette;   // already loaded from the setting's palette file
    random_generators& random;    // Random(n), ran1, gauss, random_sign
    mouse_position& mouse;
    screen_geometry geometry;
};

class quorrings final : public ring_animation {
public:
    // Reads the form, makes the pens and the N + 1 polygons and sets up the
    // drivers, with the palette as it is loaded now. Nothing is shown and
    // nothing outside the engine changes but the random generators. The
    // environment is copied; what it refers to must outlive the engine.
    explicit quorrings(ring_environment& environment);
    ~quorrings() override;
    quorrings(const quorrings&) = delete;
    quorrings& operator=(const quorrings&) = delete;

    // One animation step drawn on `target`.
    void cyclerings(index_buffer& target) override;
    // Draws slots N down to 1 on `target` (a repaint).
    void draw_all_rings(index_buffer& target) const override;

    int ring_count() const;
    poly& central_poly();

    // Slot 0 is the central polygon, slot ring_count() the outermost ring.
    const poly& slot(int index) const { return polygons_.at(static_cast<std::size_t>(index)); }
    const ring_drivers& drivers() const { return drivers_; }
    const side_densities& densities() const { return densities_; }
    const pen_table& pens() const { return palette_pens_; }

private:
    void make_polygons();

    ring_environment environment_;
    side_densities densities_;
    driver_inputs inputs_;
    ring_drivers drivers_;
    pen_table palette_pens_{};
    int ring_count_ = 1;          // N, the drawn slots: 1..200
    std::vector<poly> polygons_;  // slots 0..N, sized once
};

// The ring animation of the program: a new `quorrings`.
std::unique_ptr<ring_animation> make_quorrings(ring_environment& environment);

}  // namespace quor
