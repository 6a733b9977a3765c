#pragma once
// A private X server (Xvfb) for a test, with the little the tests ask of it:
// windows of their own, and the pixels on screen.

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quor::testing {

// The program on the PATH, or empty.
inline std::filesystem::path program_on_path(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate = std::filesystem::path(folders.substr(start, end - start)) / name;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return {};
}

// A rectangle of 0xRRGGBB pixels, row by row.
struct screen_pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x] & 0xffffffu; }
    friend bool operator==(const screen_pixels&, const screen_pixels&) = default;
};

class x_test_server {
public:
    // Xvfb of this size, open to every local user; check running() after.
    x_test_server(int width, int height) {
        int display_pipe[2];
        if (::pipe(display_pipe) != 0) return;
        server_ = ::fork();
        if (server_ == 0) {
            ::close(display_pipe[0]);
            const std::string fd = std::to_string(display_pipe[1]);
            const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
                     "-ac", "-br", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(display_pipe[1]);
        std::string number;
        char c = 0;
        pollfd ready{display_pipe[0], POLLIN, 0};
        while (::poll(&ready, 1, 10000) > 0 && ::read(display_pipe[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(display_pipe[0]);
        if (number.empty()) return;
        display_ = ":" + number;
        connection_ = xcb_connect(display_.c_str(), nullptr);
        if (xcb_connection_has_error(connection_)) return;
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    }
    ~x_test_server() {
        if (connection_) xcb_disconnect(connection_);
        if (server_ > 0) {
            ::kill(server_, SIGTERM);
            ::waitpid(server_, nullptr, 0);
        }
    }
    x_test_server(const x_test_server&) = delete;
    x_test_server& operator=(const x_test_server&) = delete;

    bool running() const { return screen_ != nullptr; }
    const std::string& display() const { return display_; }
    xcb_connection_t* connection() const { return connection_; }
    xcb_window_t root() const { return screen_->root; }

    // A black window at (x, y), shown.
    xcb_window_t make_window(int x, int y, int width, int height) {
        const xcb_window_t window = xcb_generate_id(connection_);
        const std::uint32_t values[] = {screen_->black_pixel, 1};
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen_->root, static_cast<std::int16_t>(x),
                          static_cast<std::int16_t>(y), static_cast<std::uint16_t>(width),
                          static_cast<std::uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
        xcb_map_window(connection_, window);
        sync();
        return window;
    }
    void resize(xcb_window_t window, int width, int height) {
        const std::uint32_t size[] = {static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)};
        xcb_configure_window(connection_, window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
        sync();
    }
    void destroy(xcb_window_t window) {
        xcb_destroy_window(connection_, window);
        sync();
    }

    // What the screen shows in the rectangle.
    screen_pixels pixels(int x, int y, int width, int height) const {
        screen_pixels result{width, height, {}};
        const auto reply = std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)>(
            xcb_get_image_reply(connection_,
                                xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root,
                                              static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                                              static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height),
                                              ~0u),
                                nullptr),
            &std::free);
        if (!reply) return result;
        const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply.get()));
        result.pixels.assign(data, data + static_cast<std::size_t>(width) * height);
        return result;
    }
    screen_pixels whole_screen() const { return pixels(0, 0, screen_->width_in_pixels, screen_->height_in_pixels); }
    int width() const { return screen_->width_in_pixels; }
    int height() const { return screen_->height_in_pixels; }

private:
    void sync() { std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr)); }

    pid_t server_ = -1;
    std::string display_;
    xcb_connection_t* connection_ = nullptr;
    const xcb_screen_t* screen_ = nullptr;
};

}  // namespace quor::testing
