#include "x11/module_window.h"

#include "shell/module_session.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quor {

namespace {

constexpr std::uint16_t own_window_width = 640;   // pixels
constexpr std::uint16_t own_window_height = 480;
constexpr const char* own_window_title = "Quorrings";
// WM_CLASS: the instance and the class, each ending in a zero.
constexpr char own_window_class[] = "quorrings\0Quorrings";

std::string hexadecimal(std::uint64_t id) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(id));
    return text;
}

// A window that another program (a window manager, XScreenSaver) put over
// the root says so with __SWM_VROOT; modules draw there instead of the root.
xcb_window_t virtual_root(const x_display& display, xcb_window_t root) {
    xcb_connection_t* connection = display.connection();
    const xcb_atom_t marker = display.atom("__SWM_VROOT");
    const auto tree = take_reply(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!tree || marker == XCB_ATOM_NONE) return root;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const auto property = take_reply(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, children[i], marker, XCB_ATOM_WINDOW, 0, 1), nullptr));
        if (property && property->type == XCB_ATOM_WINDOW && xcb_get_property_value_length(property.get()) == 4)
            return *static_cast<const xcb_window_t*>(xcb_get_property_value(property.get()));
    }
    return root;
}

xcb_window_t make_own_window(const x_display& display, module_window& window) {
    xcb_connection_t* connection = display.connection();
    const xcb_screen_t& screen = display.default_screen();
    const xcb_window_t id = xcb_generate_id(connection);
    const std::uint32_t values[] = {screen.black_pixel};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, id, screen.root, 0, 0, own_window_width, own_window_height, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen.root_visual, XCB_CW_BACK_PIXEL, values);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(std::strlen(own_window_title)), own_window_title);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        sizeof own_window_class, own_window_class);
    const xcb_atom_t protocols = display.atom("WM_PROTOCOLS");
    window.close_request = display.atom("WM_DELETE_WINDOW");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, protocols, XCB_ATOM_ATOM, 32, 1, &window.close_request);
    xcb_map_window(connection, id);
    window.own = true;
    return id;
}

xcb_window_t chosen_window(const x_display& display, const module_arguments& arguments,
                           const screensaver_window_variable& screensaver_window, module_window& window) {
    switch (arguments.target) {
    case module_target::window_id:
        return static_cast<xcb_window_t>(arguments.window_id);
    case module_target::own_window:
        return make_own_window(display, window);
    case module_target::root:
        break;
    }
    if (screensaver_window) {
        const auto id = parse_window_id(*screensaver_window);
        if (!id || *id > UINT32_MAX)
            throw module_error("XSCREENSAVER_WINDOW is not a window id: " + *screensaver_window, module_exit_failure);
        return static_cast<xcb_window_t>(*id);
    }
    return virtual_root(display, display.default_screen().root);
}

void check_format(const x_display& display, xcb_window_t id, std::uint8_t depth) {
    xcb_connection_t* connection = display.connection();
    const auto attributes = take_reply(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr));
    const xcb_visualtype_t* visual = attributes ? display.visual(attributes->visual) : nullptr;
    const bool true_colour = visual &&
                             (visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR ||
                              visual->_class == XCB_VISUAL_CLASS_DIRECT_COLOR) &&
                             visual->red_mask == 0xff0000u && visual->green_mask == 0x00ff00u &&
                             visual->blue_mask == 0x0000ffu;
    // The picture is 0xffRRGGBB words in this machine's byte order.
    const bool host_order = display.images_least_significant_byte_first() == (std::endian::native == std::endian::little);
    if (!true_colour || (depth != 24 && depth != 32) || display.bits_per_pixel(depth) != 32 || !host_order)
        throw module_error("The window " + hexadecimal(id) + " is not 24-bit true colour at 32 bits a pixel (depth " +
                               std::to_string(depth) + "); the module draws only on such windows",
                           module_exit_failure);
}

}  // namespace

module_window open_module_window(const x_display& display, const module_arguments& arguments,
                                 const screensaver_window_variable& screensaver_window) {
    xcb_connection_t* connection = display.connection();
    module_window window;
    window.id = chosen_window(display, arguments, screensaver_window, window);

    xcb_generic_error_t* error = nullptr;
    const auto geometry =
        take_reply(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window.id), &error));
    if (!geometry) {
        std::free(error);
        throw module_error("No window " + hexadecimal(window.id) + " on the display " + display.name(),
                           module_exit_failure);
    }
    window.root = geometry->root;
    window.width = geometry->width;
    window.height = geometry->height;
    window.depth = geometry->depth;
    check_format(display, window.id, window.depth);

    // Our own event mask on the window: its owner's stays as it is.
    const std::uint32_t events[] = {XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY};
    const xcb_void_cookie_t selected =
        xcb_change_window_attributes_checked(connection, window.id, XCB_CW_EVENT_MASK, events);
    if (xcb_generic_error_t* refused = xcb_request_check(connection, selected)) {
        const std::string text = x_error_text(*refused);
        std::free(refused);
        throw module_error("Cannot watch the window " + hexadecimal(window.id) + ": " + text, module_exit_failure);
    }
    return window;
}

}  // namespace quor
