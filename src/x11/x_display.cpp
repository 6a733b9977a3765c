#include "x11/x_display.h"

#include "shell/module_session.h"

#include <xcb/randr.h>
#include <xcb/shm.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quor {

namespace {

const char* error_name(std::uint8_t code) {
    static constexpr const char* names[] = {"Success",   "BadRequest", "BadValue",  "BadWindow",   "BadPixmap",
                                            "BadAtom",   "BadCursor",  "BadFont",   "BadMatch",    "BadDrawable",
                                            "BadAccess", "BadAlloc",   "BadColormap", "BadGC",     "BadIDChoice",
                                            "BadName",   "BadLength",  "BadImplementation"};
    if (code < std::size(names)) return names[code];
    return "an extension's error";
}

}  // namespace

x_display x_display::open() {
    x_display display;
    const char* name = std::getenv("DISPLAY");
    display.name_ = name && *name ? name : "(DISPLAY is not set)";
    int screen_number = 0;
    display.connection_.reset(xcb_connect(nullptr, &screen_number));
    if (xcb_connection_has_error(display.connection()))
        throw module_error("Cannot open the display " + display.name_, module_exit_failure);

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(display.connection()));
    for (int i = 0; screens.rem > 0; ++i, xcb_screen_next(&screens))
        if (i == screen_number || !display.default_screen_) display.default_screen_ = screens.data;
    if (!display.default_screen_) throw module_error("The display " + display.name_ + " has no screen", module_exit_failure);

    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(display.connection(), &xcb_shm_id);
    if (shm && shm->present) {
        const auto version = take_reply(
            xcb_shm_query_version_reply(display.connection(), xcb_shm_query_version(display.connection()), nullptr));
        display.has_shared_memory_ = version != nullptr;
        display.shared_memory_first_event_ = shm->first_event;
    }
    return display;
}

x_display::~x_display() = default;

const xcb_screen_t* x_display::screen_of_root(xcb_window_t root) const {
    for (xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection())); screens.rem > 0;
         xcb_screen_next(&screens))
        if (screens.data->root == root) return screens.data;
    return nullptr;
}

const xcb_visualtype_t* x_display::visual(xcb_visualid_t id) const {
    for (xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection())); screens.rem > 0;
         xcb_screen_next(&screens))
        for (xcb_depth_iterator_t depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem > 0;
             xcb_depth_next(&depths))
            for (xcb_visualtype_iterator_t visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem > 0;
                 xcb_visualtype_next(&visuals))
                if (visuals.data->visual_id == id) return visuals.data;
    return nullptr;
}

int x_display::bits_per_pixel(std::uint8_t depth) const {
    for (xcb_format_iterator_t formats = xcb_setup_pixmap_formats_iterator(xcb_get_setup(connection()));
         formats.rem > 0; xcb_format_next(&formats))
        if (formats.data->depth == depth) return formats.data->bits_per_pixel;
    return 0;
}

bool x_display::images_least_significant_byte_first() const {
    return xcb_get_setup(connection())->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
}

double x_display::refresh_rate(xcb_window_t root) const {
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(connection(), &xcb_randr_id);
    if (!randr || !randr->present) return 0.0;
    const auto info =
        take_reply(xcb_randr_get_screen_info_reply(connection(), xcb_randr_get_screen_info(connection(), root), nullptr));
    return info ? static_cast<double>(info->rate) : 0.0;
}

xcb_atom_t x_display::atom(const char* name) const {
    const auto reply = take_reply(xcb_intern_atom_reply(
        connection(), xcb_intern_atom(connection(), 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string x_error_text(const xcb_generic_error_t& error) {
    char text[160];
    std::snprintf(text, sizeof text, "%s (major %u, minor %u, resource 0x%x)", error_name(error.error_code),
                  static_cast<unsigned>(error.major_code), static_cast<unsigned>(error.minor_code),
                  static_cast<unsigned>(error.resource_id));
    return text;
}

bool is_missing_window_error(const xcb_generic_error_t& error) {
    return error.error_code == static_cast<std::uint8_t>(XCB_WINDOW) || error.error_code == static_cast<std::uint8_t>(XCB_DRAWABLE);
}

}  // namespace quor
