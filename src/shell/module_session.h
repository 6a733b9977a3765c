#pragma once
// The screensaver module without its window: what it shows and when. It reads
// the user's configuration and library (never writing either), takes the
// setting named on its command line or one at random, cycles as the options
// and the command line say, and paces the frames: on the setting's own beat
// when its speed is fixed, otherwise at most one frame per display refresh.
// A front end gives it a target size, waits as it says, steps it and shows
// its session's picture.

#include "engine/random_numbers.h"
#include "engine/settings_controls.h"
#include "platform/file_locations.h"
#include "platform/message_box.h"
#include "platform/tick_clock.h"
#include "render/animation_palette.h"
#include "shell/animation_session.h"
#include "shell/auto_cycler.h"
#include "shell/program_arguments.h"
#include "shell/frame_pacing.h"
#include "shell/settings_form.h"
#include "storage/options_controls.h"
#include "storage/settings_library.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace quor {

// The module cannot run: the text is its one-line message, the code its exit code.
class module_error : public std::runtime_error {
public:
    module_error(const std::string& message, int exit_code) : std::runtime_error(message), exit_code_(exit_code) {}
    int exit_code() const { return exit_code_; }

private:
    int exit_code_;
};

inline constexpr int module_exit_failure = 1;

struct module_services {
    message_box& messages;  // every message; the module asks nothing
    tick_clock& clock;      // frame timing and auto-cycle times
    double refresh_rate;    // the display's, in hertz; 0 when unknown
    std::optional<std::uint32_t> seed = std::nullopt;  // of every generator; none: the time of day
};

// The library the module reads: the file given on the command line, else the
// user's file in the format the configuration chooses (or the other format
// when only that one is there). An installed program's user who never ran
// the program has no copy yet: the shipped library is read then, not copied.
// None when there is no such file.
std::optional<std::filesystem::path> module_library_file(const module_arguments& arguments,
                                                         const options_controls& options,
                                                         const file_locations& locations);

// The configuration with the command line's choices over it: auto-cycling on
// or off, tagged settings only unless all are asked for, and the times. Times
// given on the command line must pass the options dialog's rule, or
// module_error with its message and the usage exit code; configured times that
// fail it are reported and the defaults run.
void apply_module_options(const module_arguments& arguments, options_controls& options, message_box& messages);

class module_session {
public:
    // Everything read and the first setting chosen, on a target of `width` x
    // `height` device pixels. Throws module_error when there is nothing to show.
    module_session(const module_arguments& arguments, const file_locations& locations, module_services services,
                   int width, int height);
    module_session(const module_session&) = delete;
    module_session& operator=(const module_session&) = delete;

    // The target has another size.
    void resize(int width, int height);
    // 0 when the next frame may run now; otherwise the seconds to wait first.
    double seconds_until_next_frame();
    // One frame, and the auto-cycle check after it. True when the frame is to
    // be shown now (at most once a display refresh).
    bool step();

    animation_session& animation() { return *session_; }
    const options_controls& options() const { return options_; }
    const settings_controls& form() const { return form_; }
    const settings_library& library() const { return library_; }
    const frame_pacing& pacing() const { return pacing_; }

private:
    void read_library(const module_arguments& arguments, const file_locations& locations);
    void choose_first_setting(const module_arguments& arguments);
    void pick_random_setting(bool tagged_only);
    // Runs a change that rebuilds the engine, telling the error when it cannot.
    void rebuild(const std::function<void()>& change);

    module_services services_;
    options_controls options_;
    settings_controls form_;
    animation_palette palette_;
    // The form's own rules, unseen: they keep the designed speed in step with the speed bar.
    std::optional<unseen_settings_form> form_rules_;
    random_generators random_;
    settings_library library_;
    std::filesystem::path library_path_;
    frame_pacing pacing_;
    std::optional<animation_session> session_;
    std::optional<auto_cycler> cycler_;
};

}  // namespace quor
