#include "x11/module_runner.h"

#include "engine/angle_tables.h"
#include "platform/stderr_message_box.h"
#include "platform/tick_clock.h"
#include "shell/module_session.h"
#include "x11/module_window.h"
#include "x11/x_display.h"
#include "x11/x_picture.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <optional>

namespace quor {

namespace {

// SIGTERM and SIGINT as a file to wait on beside the display: they are
// blocked, so they arrive only as something to read between frames.
class termination_signals {
public:
    termination_signals() {
        sigemptyset(&signals_);
        sigaddset(&signals_, SIGTERM);
        sigaddset(&signals_, SIGINT);
        sigprocmask(SIG_BLOCK, &signals_, &previous_);
        descriptor_ = signalfd(-1, &signals_, SFD_CLOEXEC | SFD_NONBLOCK);
        if (descriptor_ < 0) throw module_error("Cannot watch for SIGTERM", module_exit_failure);
        // A display that went away must end the run with a message, not with SIGPIPE.
        signal(SIGPIPE, SIG_IGN);
    }
    ~termination_signals() {
        close(descriptor_);
        sigprocmask(SIG_SETMASK, &previous_, nullptr);
    }
    termination_signals(const termination_signals&) = delete;
    termination_signals& operator=(const termination_signals&) = delete;

    int descriptor() const { return descriptor_; }

private:
    sigset_t signals_{};
    sigset_t previous_{};
    int descriptor_ = -1;
};

enum class run_state { running, ended, failed };

class module_loop {
public:
    module_loop(const x_display& display, const module_window& window, module_session& module, message_box& messages)
        : display_(display),
          window_(window),
          module_(module),
          messages_(messages),
          picture_(display, window.id, window.depth, window.width, window.height) {}

    int run() {
        termination_signals signals;
        while (state_ == run_state::running) {
            take_events();
            if (state_ != run_state::running) break;
            follow_size();
            const double wait = module_.seconds_until_next_frame();
            if (wait <= 0.0 && frame()) show_due_ = true;
            if (show_due_ || !exposed_.empty()) show_if_changed();
            xcb_flush(display_.connection());
            if (xcb_connection_has_error(display_.connection())) {
                messages_.show_message("Lost the connection to the display " + display_.name());
                return module_exit_failure;
            }
            if (wait > 0.0) wait_for(wait, signals.descriptor());
            if (signalled(signals.descriptor())) return 0;
        }
        return state_ == run_state::ended ? 0 : module_exit_failure;
    }

private:
    // True when the frame is to be shown.
    bool frame() {
        try {
            return module_.step();
        } catch (const std::exception& error) {
            messages_.show_message(error.what());
            return true;
        }
    }

    void show_if_changed() {
        if (picture_.busy()) return;
        animation_session& animation = module_.animation();
        if (!exposed_.empty()) picture_.resend(exposed_);
        exposed_ = {};
        if (shown_once_ && !animation.picture_differs(shown_pixels_, shown_palette_)) {
            show_due_ = false;
            return;
        }
        if (!show_due_ || picture_.busy()) return;
        const session_picture picture = animation.picture();
        picture_.show(picture.pixels, picture.colours, picture.drawn);
        shown_pixels_ = picture.pixels_version;
        shown_palette_ = picture.palette_version;
        shown_once_ = true;
        show_due_ = false;
    }

    void follow_size() {
        if (!new_size_) return;
        const auto [width, height] = *new_size_;
        new_size_.reset();
        if (width == picture_.width() && height == picture_.height()) return;
        module_.resize(width, height);
        picture_.resize(width, height);
        shown_once_ = false;
        show_due_ = true;
    }

    void take_events() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(display_.connection())) {
            handle(*event);
            std::free(event);
        }
    }

    void handle(const xcb_generic_event_t& event) {
        if (picture_.take_completion(event)) return;
        switch (event.response_type & 0x7f) {
        case 0: {
            const auto& error = reinterpret_cast<const xcb_generic_error_t&>(event);
            // Requests on a window that has just gone: the normal end.
            if (is_missing_window_error(error) && error.resource_id == window_.id) {
                state_ = run_state::ended;
            } else {
                messages_.show_message("X error " + x_error_text(error));
                state_ = run_state::failed;
            }
            break;
        }
        case XCB_EXPOSE: {
            const auto& expose = reinterpret_cast<const xcb_expose_event_t&>(event);
            if (expose.window == window_.id)
                exposed_ = united(exposed_, {expose.x, expose.y, expose.x + expose.width, expose.y + expose.height});
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto& configure = reinterpret_cast<const xcb_configure_notify_event_t&>(event);
            if (configure.window == window_.id) new_size_ = {configure.width, configure.height};
            break;
        }
        case XCB_DESTROY_NOTIFY:
            if (reinterpret_cast<const xcb_destroy_notify_event_t&>(event).window == window_.id)
                state_ = run_state::ended;
            break;
        case XCB_CLIENT_MESSAGE: {
            const auto& message = reinterpret_cast<const xcb_client_message_event_t&>(event);
            if (window_.own && message.window == window_.id && message.data.data32[0] == window_.close_request)
                state_ = run_state::ended;
            break;
        }
        default:
            break;
        }
    }

    // Until the frame is due, the display has something to say, or a signal comes.
    void wait_for(double seconds, int signal_descriptor) {
        pollfd watched[] = {{xcb_get_file_descriptor(display_.connection()), POLLIN, 0}, {signal_descriptor, POLLIN, 0}};
        const double whole = std::floor(seconds);
        const timespec timeout{static_cast<time_t>(whole), static_cast<long>((seconds - whole) * 1e9)};
        ppoll(watched, 2, &timeout, nullptr);
    }

    static bool signalled(int signal_descriptor) {
        signalfd_siginfo received{};
        return read(signal_descriptor, &received, sizeof received) == static_cast<ssize_t>(sizeof received);
    }

    const x_display& display_;
    const module_window& window_;
    module_session& module_;
    message_box& messages_;
    x_picture picture_;
    run_state state_ = run_state::running;
    std::optional<std::pair<int, int>> new_size_;
    pixel_area exposed_;
    std::uint64_t shown_pixels_ = 0;
    std::uint64_t shown_palette_ = 0;
    bool shown_once_ = false;
    bool show_due_ = true;  // a frame waits to be shown
};

std::optional<std::string> environment_value(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

int run_module(const module_arguments& arguments, const file_locations& locations) {
    stderr_message_box messages("quorrings: ");
    try {
        const x_display display = x_display::open();
        const module_window window = open_module_window(display, arguments, environment_value("XSCREENSAVER_WINDOW"));
        init_angle_tables();
        steady_tick_clock clock;
        module_session module(arguments, locations, {messages, clock, display.refresh_rate(window.root)}, window.width,
                              window.height);
        module_loop loop(display, window, module, messages);
        return loop.run();
    } catch (const module_error& error) {
        messages.show_message(error.what());
        return error.exit_code();
    } catch (const std::exception& error) {
        messages.show_message(error.what());
        return module_exit_failure;
    }
}

}  // namespace quor
