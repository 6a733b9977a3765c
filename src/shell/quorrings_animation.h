#pragma once
// The ring engine `quorrings` as the main window's animation.

#include "shell/ring_animation.h"

namespace quor {

std::unique_ptr<ring_animation> make_quorrings_animation(ring_environment& environment);

}  // namespace quor
