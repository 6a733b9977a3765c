#pragma once
// What start-up reads from the windowing system.

#include "shell/display_modes.h"

namespace quor {

// The emulated 8-bit screen at the primary screen's size in device pixels.
emulated_display_modes screen_display_modes();

// The width of a vertical scroll bar in the application's style, in pixels.
int vertical_scroll_bar_width();

}  // namespace quor
