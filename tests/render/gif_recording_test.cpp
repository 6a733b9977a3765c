#include "render/gif_recording.h"

#include "support/gif_frames.h"
#include "support/temporary_directory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace quor {
namespace {

// A small screen and its palette: entries 10.. repeat a few colours, as a
// palette file shorter than the animated range does, so that an index can
// change while its colour stays.
struct screen_frames {
    static constexpr int width = 23;
    static constexpr int height = 17;
    index_buffer screen{width, height};
    colour_table colours{};

    screen_frames() {
        for (int i = 0; i < palette_size; ++i) colours[i] = 0xff000000u | std::uint32_t(i * 0x030507);
        colours[0] = 0xff000000u;
        for (int i = 10; i < 246; ++i) colours[i] = 0xff000000u | std::uint32_t(((i - 10) % 40) * 0x050301 + 0x102030);
    }
    // The animated entries 10..49 turn by `shift`, as the palette animation does.
    void rotate(int shift) { std::rotate(colours.begin() + 10, colours.begin() + 10 + shift, colours.begin() + 50); }
    std::vector<std::uint32_t> seen() const {
        std::vector<std::uint32_t> pixels(std::size_t(width) * height);
        present(image_of(screen), colours, {pixels.data(), width, height, width});
        return pixels;
    }
};

struct recorded {
    std::vector<std::vector<std::uint32_t>> seen;  // what each frame looked like on the screen
    testing::decoded_gif gif;
    std::string bytes;
};

template <typename Change>
recorded record(int frames, int frames_per_second, bool changed_areas_only, Change&& change, int workers = 2) {
    const testing::temporary_directory folder;
    const auto path = folder.path() / "frames.gif";
    screen_frames frame;
    recorded result;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    {
        gif_recording recording(file, frame.width, frame.height, frames_per_second, changed_areas_only, workers);
        for (int k = 0; k < frames; ++k) {
            change(k, frame);
            recording.add_frame(image_of(frame.screen), frame.colours);
            result.seen.push_back(frame.seen());
        }
        recording.finish();
    }
    std::fclose(file);
    result.gif = testing::decode_gif(path);
    result.bytes = testing::file_text(path);
    return result;
}

void expect_shows_every_frame(const recorded& run) {
    ASSERT_EQ(run.gif.frames.size(), run.seen.size());
    for (std::size_t k = 0; k < run.seen.size(); ++k) {
        const testing::gif_frame& frame = run.gif.frames[k];
        EXPECT_EQ(frame.disposal, DISPOSE_DO_NOT) << "frame " << k;
        EXPECT_EQ(frame.local_table_size, palette_size) << "frame " << k;
        ASSERT_EQ(frame.colours, run.seen[k]) << "frame " << k;
    }
}

TEST(GifRecording, ShowsEveryFrameAsTheScreenDidWhateverChanged) {
    // Pixels drawn, erased and redrawn with indices of the same colour, the
    // palette turning some frames and not others: every frame must look, pixel
    // for pixel, as the screen did, stored in rectangles or whole.
    for (const bool changed_areas_only : {true, false}) {
        std::mt19937 random(17);
        const recorded run = record(200, 30, changed_areas_only, [&](int, screen_frames& frame) {
            const int drawn = int(random() % 40);
            // Few indices, half of them turning, so that colours often meet.
            const std::uint8_t indices[] = {0, 10, 11, 12, 50, 51, 52};
            for (int i = 0; i < drawn; ++i)
                frame.screen.set_pixel(int(random() % frame.width), int(random() % frame.height),
                                       indices[random() % std::size(indices)]);
            if (random() % 2 == 0) frame.rotate(1 + int(random() % 2));
        });
        SCOPED_TRACE(changed_areas_only ? "changed areas" : "whole frames");
        EXPECT_EQ(run.gif.width, screen_frames::width);
        EXPECT_EQ(run.gif.height, screen_frames::height);
        EXPECT_TRUE(run.gif.loops_forever);
        expect_shows_every_frame(run);
    }
}

TEST(GifRecording, TheSameBytesWhateverTheNumberOfWorkers) {
    const auto run = [](int workers) {
        std::mt19937 random(5);
        return record(
                   40, 30, true,
                   [&](int, screen_frames& frame) {
                       for (int i = 0; i < 8; ++i)
                           frame.screen.set_pixel(int(random() % frame.width), int(random() % frame.height),
                                                  std::uint8_t(10 + random() % 100));
                       if (random() % 2) frame.rotate(1);
                   },
                   workers)
            .bytes;
    };
    const std::string alone = run(0);
    EXPECT_GT(alone.size(), 100u);
    for (const int workers : {1, 3, 8}) EXPECT_EQ(run(workers), alone) << workers << " workers";
}

TEST(GifRecording, StoresOnlyWhatTheViewerSeesChange) {
    // Frame by frame: what changes, and the rectangle that must then be stored.
    const pixel_area whole{0, 0, screen_frames::width, screen_frames::height};
    struct step {
        const char* what;
        void (*change)(screen_frames&);
        pixel_area stored;
    };
    const step steps[] = {
        {"the first frame is whole", [](screen_frames& f) { f.screen.set_pixel(5, 4, 12); }, whole},
        {"two pixels drawn", [](screen_frames& f) { f.screen.set_pixel(3, 9, 20), f.screen.set_pixel(8, 2, 30); },
         {3, 2, 9, 10}},
        {"nothing changed: one pixel for the delay", [](screen_frames&) {}, {0, 0, 1, 1}},
        {"an index of the same colour", [](screen_frames& f) { f.screen.set_pixel(3, 9, 60); }, {0, 0, 1, 1}},
        // The palette moved: every pixel of a turning entry shows another
        // colour; black and index 60 (outside the turning entries) stay.
        {"the palette turned", [](screen_frames& f) { f.rotate(1); }, {5, 2, 9, 5}},
        {"a pixel erased", [](screen_frames& f) { f.screen.set_pixel(8, 2, 0); }, {8, 2, 9, 3}},
        {"one changed in each corner",
         [](screen_frames& f) {
             f.screen.set_pixel(0, 0, 11), f.screen.set_pixel(22, 16, 11);
         },
         whole},
    };
    const recorded run = record(int(std::size(steps)), 25, true, [&](int k, screen_frames& frame) { steps[k].change(frame); });
    expect_shows_every_frame(run);
    for (std::size_t k = 0; k < std::size(steps); ++k) EXPECT_EQ(run.gif.frames[k].area, steps[k].stored) << steps[k].what;
}

TEST(GifRecording, PixelsLeftOutAreJudgedLaterByTheirNewIndices) {
    // Frame 1: the palette turns, and the pixel at (20, 15) moves from a
    // turning index to a still one of its old colour, so it is left out. In
    // frame 2 it takes the colour its old index has now: it must be stored,
    // though its old index under the new palette would look the same.
    const recorded run = record(3, 25, true, [](int k, screen_frames& frame) {
        if (k == 0) frame.screen.set_pixel(20, 15, 10), frame.screen.set_pixel(2, 2, 12);
        if (k == 1) frame.rotate(1), frame.screen.set_pixel(20, 15, 50);
        if (k == 2) frame.screen.set_pixel(20, 15, 51);
    });
    expect_shows_every_frame(run);
    EXPECT_EQ(run.gif.frames[1].area, (pixel_area{2, 2, 3, 3}));
    EXPECT_EQ(run.gif.frames[2].area, (pixel_area{20, 15, 21, 16}));
}

TEST(GifRecording, DelaysAddUpToTheFrameRate) {
    // Each delay is the whole hundredths below or above 100 / fps, and the
    // first n delays together are n / fps seconds, rounded.
    for (const int fps : {1, 7, 24, 25, 29, 30, 50, 60, 75, 100, 144}) {
        std::int64_t total = 0;
        for (std::int64_t n = 1; n <= 1000; ++n) {
            const int delay = gif_frame_delay(n - 1, fps);
            EXPECT_TRUE(delay == 100 / fps || delay == (100 + fps - 1) / fps) << fps << " fps, frame " << n - 1;
            total += delay;
            ASSERT_NEAR(double(total), n * 100.0 / fps, 0.5) << fps << " fps after " << n << " frames";
        }
    }
    const recorded run = record(90, 60, true, [](int, screen_frames&) {});
    EXPECT_EQ(run.gif.total_delay(), 150);
}

TEST(GifRecording, AFileThatCannotBeWrittenIsAnError) {
    std::FILE* full = std::fopen("/dev/full", "wb");
    ASSERT_NE(full, nullptr);
    screen_frames frame;
    EXPECT_THROW(
        {
            gif_recording recording(full, frame.width, frame.height, 30);
            for (int k = 0; k < 3; ++k) recording.add_frame(image_of(frame.screen), frame.colours);
            recording.finish();
        },
        gif_error);
    std::fclose(full);
}

}  // namespace
}  // namespace quor
