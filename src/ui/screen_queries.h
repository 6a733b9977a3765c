#pragma once
// What start-up reads from the windowing system.

#include <QSize>

#include "shell/display_modes.h"

class QScreen;

namespace quor {

// A screen's size in device pixels (the primary one's when null).
QSize device_size_of(const QScreen* screen);

// The emulated 8-bit screen at a screen's size (the primary one's when null)
// in device pixels.
emulated_display_modes screen_display_modes(const QScreen* screen = nullptr);

// The width of a vertical scroll bar in the application's style, in pixels.
int vertical_scroll_bar_width();

}  // namespace quor
