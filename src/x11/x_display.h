#pragma once
// One connection to the X server, as the module uses it: the screens, the
// extensions it draws with (MIT-SHM) and reads the refresh rate from (RandR),
// and its errors told in words.

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace quor {

class x_display {
public:
    // The display named by DISPLAY; module_error when it cannot be opened.
    static x_display open();
    x_display(x_display&&) noexcept = default;
    x_display& operator=(x_display&&) noexcept = default;
    ~x_display();

    xcb_connection_t* connection() const { return connection_.get(); }
    // The screen whose root window is `root`; null when none is.
    const xcb_screen_t* screen_of_root(xcb_window_t root) const;
    // The screen the display names first.
    const xcb_screen_t& default_screen() const { return *default_screen_; }
    // The visual with this id on any screen; null when none.
    const xcb_visualtype_t* visual(xcb_visualid_t id) const;
    // Bits per pixel of the images of this depth; 0 when the server has none.
    int bits_per_pixel(std::uint8_t depth) const;
    bool images_least_significant_byte_first() const;

    bool has_shared_memory() const { return has_shared_memory_; }
    // The first event code of MIT-SHM, whose completion event says an image was read.
    std::uint8_t shared_memory_first_event() const { return shared_memory_first_event_; }
    // The refresh rate RandR reports for the screen of `root`, in hertz; 0 when it cannot.
    double refresh_rate(xcb_window_t root) const;

    // The atom of this name, made when missing.
    xcb_atom_t atom(const char* name) const;
    // The name of the display, for messages.
    const std::string& name() const { return name_; }

private:
    struct disconnect {
        void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
    };
    x_display() = default;

    std::unique_ptr<xcb_connection_t, disconnect> connection_;
    const xcb_screen_t* default_screen_ = nullptr;
    std::string name_;
    bool has_shared_memory_ = false;
    std::uint8_t shared_memory_first_event_ = 0;
};

// "BadWindow (major 14, minor 0, resource 0x400001)".
std::string x_error_text(const xcb_generic_error_t& error);

// The error codes a request on a window that has gone gives.
bool is_missing_window_error(const xcb_generic_error_t& error);

// Requests that answer: the reply, freed with free().
template <typename Reply>
using x_reply = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
x_reply<Reply> take_reply(Reply* reply) {
    return x_reply<Reply>(reply, &std::free);
}

}  // namespace quor
