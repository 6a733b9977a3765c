// The built quorrings-render writing animations, videos and picture
// sequences, checked against a session run here with the same setting, seed and size.

#include "program_runner.h"

#include "platform/file_locations.h"
#include "shell/animation_session.h"
#include "shell/named_setting.h"
#include "support/fake_tick_clock.h"
#include "support/gif_frames.h"
#include "support/recording_message_box.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace quor {
namespace {

using testing::file_text;
using testing::run_program;

const std::string library = (std::filesystem::path(QUOR_TEST_DIR) / "storage/fixtures/lzh/library3.txt").string();
// Its designed speed is 20 and fixed; "Sample setting 2" does not fix its speed.
const std::string fixed_at_20 = "Sample setting 3";
const std::string unfixed = "Sample setting 2";

// The setting running as the tool runs it, frame by frame, in colours.
class session_frames {
public:
    session_frames(const std::string& name, int width, int height, std::uint32_t seed)
        : random_(seed), width_(width), height_(height) {
        palette_.set_palette_dir(file_locations::portable(QUOR_BIN_DIR));
        apply_named_setting(form_, palette_, library, name, messages_);
        clock_.set_ticks_per_reading(1000);
        session_ = std::make_unique<animation_session>(
            animation_session_parts{form_, palette_, random_, messages_, clock_}, width, height);
    }

    void skip(int frames) {
        for (int frame = 0; frame < frames; ++frame) session_->step();
    }
    std::vector<std::uint32_t> next() {
        session_->step();
        const session_picture picture = session_->picture();
        std::vector<std::uint32_t> colours(std::size_t(width_) * height_);
        present(picture.pixels, picture.colours, {colours.data(), width_, height_, width_});
        return colours;
    }

private:
    recording_message_box messages_;
    settings_controls form_;
    animation_palette palette_{messages_};
    random_generators random_;
    fake_tick_clock clock_;
    std::unique_ptr<animation_session> session_;
    int width_;
    int height_;
};

TEST(RenderAnimation, AGifShowsTheSessionsFramesPixelForPixel) {
    const testing::temporary_directory work;
    const std::string out = (work.path() / "rings.gif").string();
    const std::vector<std::string> arguments{library, fixed_at_20, out, "--size", "48x30", "--frames", "40",
                                             "--skip", "15", "--seed", "4"};
    const auto run = run_program("quorrings-render", arguments);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.err, "") << "no progress when standard error is not a terminal";

    const testing::decoded_gif gif = testing::decode_gif(out);
    EXPECT_EQ(gif.width, 48);
    EXPECT_EQ(gif.height, 30);
    EXPECT_TRUE(gif.loops_forever);
    ASSERT_EQ(gif.frames.size(), 40u);
    session_frames expected(fixed_at_20, 48, 30, 4);
    expected.skip(15);
    int stored_in_part = 0;
    for (std::size_t k = 0; k < gif.frames.size(); ++k) {
        const testing::gif_frame& frame = gif.frames[k];
        EXPECT_EQ(frame.delay, 5) << "the designed speed, 20 frames per second; frame " << k;
        EXPECT_EQ(frame.disposal, DISPOSE_DO_NOT);
        EXPECT_EQ(frame.local_table_size, 256);
        if (frame.area != pixel_area{0, 0, 48, 30}) ++stored_in_part;
        ASSERT_EQ(frame.colours, expected.next()) << "frame " << k;
    }
    EXPECT_GT(stored_in_part, 0) << "some frames are stored as the rectangle that changed";

    const std::string again = (work.path() / "again.gif").string();
    std::vector<std::string> same = arguments;
    same[2] = again;
    ASSERT_EQ(run_program("quorrings-render", same).exit_code, 0);
    EXPECT_EQ(file_text(again), file_text(out)) << "the same command, the same bytes";
}

TEST(RenderAnimation, TheFrameRateIsTheDesignedSpeedOr60UnlessGiven) {
    // The delays of a GIF add up to its length at its frame rate.
    const testing::temporary_directory work;
    const std::string out = (work.path() / "rate.gif").string();
    struct request {
        std::string setting;
        std::vector<std::string> options;
        std::size_t frames;
        int hundredths;
    };
    const request requests[] = {
        {fixed_at_20, {"--seconds", "1.5"}, 30, 150},
        {unfixed, {"--seconds", "0.5"}, 30, 50},
        {unfixed, {"--frames", "7"}, 7, 12},  // 7 / 60 s
        {fixed_at_20, {"--seconds", "2", "--fps", "12"}, 24, 200},
    };
    for (const request& each : requests) {
        std::vector<std::string> arguments{library, each.setting, out, "--size", "16x10"};
        arguments.insert(arguments.end(), each.options.begin(), each.options.end());
        const auto run = run_program("quorrings-render", arguments);
        ASSERT_EQ(run.exit_code, 0) << run.err;
        const testing::decoded_gif gif = testing::decode_gif(out);
        EXPECT_EQ(gif.frames.size(), each.frames) << each.setting << " " << each.options[1];
        EXPECT_EQ(gif.total_delay(), each.hundredths) << each.setting << " " << each.options[1];
    }
}

TEST(RenderAnimation, APictureSequenceWritesEveryFrameAsThePictureOfThatFrame) {
    const testing::temporary_directory work;
    const auto run = run_program("quorrings-render", {library, unfixed, (work.path() / "frame_%03d.png").string(),
                                                      "--size", "40x24", "--frames", "3", "--skip", "2"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    std::vector<std::string> names = testing::file_names_in(work.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"frame_001.png", "frame_002.png", "frame_003.png"}));
    // Frame 3 after 2 skipped is the single picture after 5 frames.
    const std::string single = (work.path() / "single.png").string();
    ASSERT_EQ(run_program("quorrings-render", {library, unfixed, single, "--size", "40x24", "--frames", "5"}).exit_code, 0);
    EXPECT_EQ(file_text(work.path() / "frame_003.png"), file_text(single));
    EXPECT_NE(file_text(work.path() / "frame_002.png"), file_text(single));
}

// The program's full path as PATH finds it; empty when it is not there.
std::string on_path(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (std::size_t start = 0; start <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate = std::filesystem::path(folders.substr(start, end - start)) / program;
        if (end > start && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
        start = end + 1;
    }
    return {};
}

bool ffmpeg_present() { return !on_path("ffmpeg").empty() && !on_path("ffprobe").empty(); }

TEST(RenderAnimation, VideosHaveTheFramesSizeAndRateAsked) {
    if (!ffmpeg_present()) GTEST_SKIP() << "ffmpeg is not installed";
    const testing::temporary_directory work;
    for (const std::string name : {"rings.mp4", "rings.webm", "rings.mkv"}) {
        const std::string out = (work.path() / name).string();
        // An odd width gets one black column: yuv420p wants even sides.
        const auto run = run_program("quorrings-render", {library, unfixed, out, "--size", "33x20", "--frames", "9",
                                                          "--fps", "25", "--skip", "5"});
        ASSERT_EQ(run.exit_code, 0) << name << ": " << run.err;
        const auto probe = testing::run_program(
            on_path("ffprobe"),
            {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
             "stream=width,height,r_frame_rate,nb_read_frames", "-of", "default=noprint_wrappers=1", out});
        EXPECT_EQ(probe.out, "width=34\nheight=20\nr_frame_rate=25/1\nnb_read_frames=9\n") << name << probe.err;
    }
    EXPECT_EQ(testing::file_names_in(work.path()).size(), 3u) << "nothing beside the videos";
}

TEST(RenderAnimation, AMissingOrFailingFfmpegFailsAndLeavesNothing) {
    const testing::temporary_directory work;
    const testing::temporary_directory programs;
    // A stand-in that reads a little and gives up as ffmpeg does on a bad option.
    programs.write("ffmpeg", "#!/bin/sh\nhead -c 100 >/dev/null\necho 'first line' >&2\n"
                             "echo 'Unknown encoder libx264' >&2\nexit 1\n");
    std::filesystem::permissions(programs.path() / "ffmpeg", std::filesystem::perms::owner_all);
    const testing::temporary_directory empty;
    struct request {
        std::string path;
        std::string said;
    };
    const request requests[] = {
        {empty.path().string(), "ffmpeg was not found"},
        {programs.path().string() + ":/usr/bin:/bin", "ffmpeg failed: Unknown encoder libx264"},
    };
    for (const request& each : requests) {
        const auto run = run_program("quorrings-render",
                                     {library, unfixed, (work.path() / "rings.mp4").string(), "--size", "32x20",
                                      "--frames", "30"},
                                     {"PATH=" + each.path});
        EXPECT_EQ(run.exit_code, 1) << run.err;
        EXPECT_NE(run.err.find(each.said), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        EXPECT_TRUE(testing::file_names_in(work.path()).empty()) << each.said;
    }
}

TEST(RenderAnimation, BadRequestsFailWithTheirCodeAndLeaveNothing) {
    const testing::temporary_directory work;
    const std::string gif = (work.path() / "out.gif").string();
    struct request {
        std::vector<std::string> arguments;
        int exit_code;
    };
    const request requests[] = {
        {{library, unfixed, (work.path() / "out.bmp").string()}, 2},
        {{library, unfixed, (work.path() / "out").string()}, 2},
        {{library, unfixed, gif, "--fps", "0"}, 2},
        {{library, unfixed, gif, "--fps", "1001"}, 2},
        {{library, unfixed, gif, "--size", "0x10"}, 2},
        {{library, unfixed, gif, "--size", "16385x10"}, 2},
        {{library, unfixed, gif, "--frames", "0"}, 2},
        {{library, unfixed, gif, "--seconds", "0"}, 2},
        {{library, unfixed, gif, "--seconds", "0.001"}, 2},
        {{library, unfixed, gif, "--frames", "5", "--seconds", "1"}, 2},
        {{library, unfixed, gif, "--skip", "-1"}, 2},
        {{library, unfixed, gif, "--loud"}, 2},
        {{library, unfixed, (work.path() / "frame_%s.png").string()}, 2},
        {{library, unfixed, (work.path() / "frame_%d_%d.png").string()}, 2},
        {{library, unfixed, (work.path() / "frame_%d.gif").string()}, 2},
        {{library, unfixed, (work.path() / "frame_%.png").string()}, 2},
        {{library, "No such setting", gif}, 1},
        {{library, unfixed, (work.path() / "no folder" / "out.gif").string()}, 1},
        {{library, unfixed, (work.path() / "folder.gif").string()}, 1},
    };
    std::filesystem::create_directory(work.path() / "folder.gif");  // a folder where the file should go
    for (const request& bad : requests) {
        const auto run = run_program("quorrings-render", bad.arguments);
        EXPECT_EQ(run.exit_code, bad.exit_code) << testing::quoted(bad.arguments.back()) << ": " << run.err;
        EXPECT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find("usage: quorrings-render") != std::string::npos, bad.exit_code == 2) << run.err;
        EXPECT_EQ(testing::file_names_in(work.path()), std::vector<std::string>{"folder.gif"}) << bad.arguments.back();
    }
}

// Starts the tool, sends `signal` once its output has appeared in `folder`
// and a few frames have run, and returns how it ended.
int interrupted_run(const std::vector<std::string>& arguments, const std::filesystem::path& folder, int signal) {
    std::vector<std::string> command{(std::filesystem::path(QUOR_BIN_DIR) / "quorrings-render").string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& each : command) argv.push_back(each.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (testing::file_names_in(folder).empty() && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(testing::file_names_in(folder).empty()) << "the output is begun at once";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

TEST(RenderAnimation, AnInterruptedRenderEndsByItsSignalAndLeavesNothing) {
    const testing::temporary_directory work;
    struct request {
        std::string name;
        int signal;
    };
    std::vector<request> requests{{"long.gif", SIGTERM}, {"long.png", SIGINT}};
    if (ffmpeg_present()) requests.push_back({"long.webm", SIGTERM});
    for (const request& each : requests) {
        const int status = interrupted_run({library, unfixed, (work.path() / each.name).string(), "--size", "320x200",
                                            "--frames", "100000000", "--fps", "30"},
                                           work.path(), each.signal);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == each.signal) << each.name << ": status " << status;
        EXPECT_TRUE(testing::file_names_in(work.path()).empty()) << each.name;
    }
}

TEST(RenderAnimation, AProgressLineOnlyOnATerminal) {
    // script(1) gives the program a terminal.
    const std::string script = on_path("script");
    if (script.empty()) GTEST_SKIP() << "script is not installed";
    const testing::temporary_directory work;
    const std::string render = testing::quoted((std::filesystem::path(QUOR_BIN_DIR) / "quorrings-render").string()) +
                               " " + testing::quoted(library) + " " + testing::quoted(unfixed) + " " +
                               testing::quoted((work.path() / "p.gif").string()) + " --size 16x10 --frames 20 --fps 20";
    const auto terminal = [&](const std::string& extra) {
        const auto run = run_program(script,
                                     {"--quiet", "--return", "--command", render + extra, "/dev/null"});
        EXPECT_EQ(run.exit_code, 0) << run.err;
        return run.out;
    };
    const std::string shown = terminal("");
    EXPECT_NE(shown.find("frame 20/20, 0:00 elapsed, 0:00 left"), std::string::npos) << shown;
    EXPECT_EQ(terminal(" --quiet"), "");
}

}  // namespace
}  // namespace quor
