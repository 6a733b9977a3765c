#pragma once
// The window the module draws into: the one it is handed (a window id, or the
// window XScreenSaver names in XSCREENSAVER_WINDOW), the virtual root or the
// root window, or a window of its own. Only its size and its visual are read;
// its attributes stay its owner's, and the module takes none of its input.

#include "shell/program_arguments.h"
#include "x11/x_display.h"

#include <xcb/xcb.h>

#include <optional>
#include <string>

namespace quor {

struct module_window {
    xcb_window_t id = XCB_WINDOW_NONE;
    xcb_window_t root = XCB_WINDOW_NONE;
    int width = 0;   // device pixels
    int height = 0;
    std::uint8_t depth = 0;
    bool own = false;              // made by the module (-window)
    xcb_atom_t close_request = XCB_ATOM_NONE;  // WM_DELETE_WINDOW, for a window of its own
};

// The value of XSCREENSAVER_WINDOW (none when it is not set), as `--root` reads it.
using screensaver_window_variable = std::optional<std::string>;

// Finds or makes the window, checks that the module can draw on it (24-bit
// true colour, 32 bits a pixel), and watches its size, exposures and end.
// module_error with a one-line message when it cannot.
module_window open_module_window(const x_display& display, const module_arguments& arguments,
                                 const screensaver_window_variable& screensaver_window);

}  // namespace quor
