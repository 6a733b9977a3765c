#pragma once
// The ring animation as a session drives it: the engine `quorrings` in the
// program, a recording stand-in where a test only needs to see the calls.

#include "render/index_buffer.h"

#include <functional>
#include <memory>

namespace quor {

struct ring_environment;

class ring_animation {
public:
    virtual ~ring_animation() = default;
    // One animation step drawn on `target`.
    virtual void cyclerings(index_buffer& target) = 0;
    // Everything drawn again on `target` (a repaint).
    virtual void draw_all_rings(index_buffer& target) const = 0;
};

// Builds a new animation from the settings form in `environment`; the palette
// is already loaded.
using ring_animation_factory = std::function<std::unique_ptr<ring_animation>(ring_environment& environment)>;

}  // namespace quor
