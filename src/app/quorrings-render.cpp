// quorrings-render FILE NAME OUT [--size WxH] [--seed S] [--frames K | --seconds T] [--fps F] [--skip K] [--quiet]
//
// Runs one setting of a plain (.txt) or packed (.cmp) settings library without
// a window, exactly as the full-screen program runs it: one session step per
// frame, palette rotation included. OUT's name says what is written: the last
// frame as a PNG, an animated GIF, a video through ffmpeg, or one numbered PNG
// per frame. The same seed gives the same frames.

#include "platform/command_line.h"
#include "platform/file_locations.h"
#include "platform/interruption.h"
#include "platform/stderr_message_box.h"
#include "shell/animation_session.h"
#include "shell/gif_file.h"
#include "shell/named_setting.h"
#include "shell/progress_line.h"
#include "shell/render_arguments.h"
#include "shell/video_file.h"
#include "ui/png_files.h"

#include <unistd.h>

#include <chrono>
#include <exception>
#include <iostream>
#include <memory>

namespace {

using namespace quor;

// Viewers show a frame of under 2/100 s for 1/10 s.
constexpr int fastest_gif_frame_rate = 50;

std::unique_ptr<frame_sink> open_output(const render_arguments& arguments, int frames_per_second) {
    switch (arguments.output_kind) {
    case render_output::animated_gif:
        return std::make_unique<gif_file>(arguments.output, arguments.width, arguments.height, frames_per_second);
    case render_output::video:
        return std::make_unique<video_file>(arguments.output, arguments.container, arguments.width, arguments.height,
                                            frames_per_second);
    case render_output::picture_sequence:
        return std::make_unique<png_sequence>(arguments.output.parent_path(), *arguments.numbered_output);
    case render_output::picture:
        break;
    }
    return std::make_unique<png_picture_file>(arguments.output);
}

int render(const render_arguments& arguments, const file_locations& locations) {
    // Messages of the engine (a missing palette) are worth seeing but do not stop the frames.
    stderr_message_box messages("quorrings-render: ", false);
    settings_controls form;
    animation_palette palette(messages);
    palette.set_palette_dir(locations);
    apply_named_setting(form, palette, arguments.settings_file, arguments.name, messages);
    const int frames_per_second = render_frame_rate(arguments, form);
    const std::int64_t frames = render_frame_count(arguments, frames_per_second);
    if (arguments.output_kind == render_output::animated_gif && frames_per_second > fastest_gif_frame_rate)
        std::cerr << "quorrings-render: note: at " << frames_per_second
                  << " frames per second most GIF viewers slow down some frames; --fps "
                  << fastest_gif_frame_rate << " or less plays at its own speed everywhere\n";

    random_generators random(arguments.seed);
    steady_tick_clock clock;
    animation_session session({form, palette, random, messages, clock}, arguments.width, arguments.height);
    const interruption_watch interruption;
    const std::unique_ptr<frame_sink> output = open_output(arguments, frames_per_second);

    // A picture is the last frame; everything else takes every frame after the skipped ones.
    const bool every_frame = arguments.output_kind != render_output::picture;
    const std::int64_t steps = arguments.skip + frames;
    progress_line progress(!arguments.quiet && ::isatty(STDERR_FILENO) ? stderr : nullptr, steps);
    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t step = 1; step <= steps; ++step) {
        interruption_watch::throw_if_interrupted();
        session.step();
        if (every_frame && step > arguments.skip) output->add_frame(session.picture());
        progress.show(step, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (!every_frame) output->add_frame(session.picture());
    output->finish();
    progress.end();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (answer_standard_option(argv[i], quorrings_render_program_description, std::cout)) return 0;
    try {
        return render(parse_render_arguments(argument_list(argc, argv)), file_locations::for_this_program());
    } catch (const usage_error& error) {
        return report_usage_error(error, quorrings_render_program_description, std::cerr);
    } catch (const interrupted& stop) {
        // Everything begun is undone by now.
        end_by_signal(stop.signal());
    } catch (const std::exception& error) {
        std::cerr << "quorrings-render: " << escaped_line(error.what()) << '\n';
        return 1;
    }
}
