#pragma once
// An engine's surroundings for tests: a form with a small tunnel, palettes in a
// fresh folder, a seeded generator and a recording message box, run by an
// animation session as every front end runs one.

#include "engine/quorrings.h"
#include "platform/tick_clock.h"
#include "shell/animation_session.h"
#include "support/recording_message_box.h"
#include "support/temporary_directory.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace quor::testing {

inline constexpr std::int32_t one = 65536;  // 1.0 in 16.16

struct ring_engine_fixture {
    explicit ring_engine_fixture(std::uint32_t seed = 12345, int width = 640, int height = 480)
        : random(seed), width(width), height(height) {
        std::filesystem::create_directories(folder.path() / "palette");
        write_palette("FOUR.PAL", "4\r\n10 20 30\r\n40 50 60\r\n70 80 90\r\n100 110 120\r\n");
        write_palette("BAD.PAL", "four\r\n");
        palette.set_palette_dir(program_dir());
        std::vector<std::string> names;
        palette.find_palette_files(names);
        form.fill_palette_list(names);
        select_palette("FOUR.PAL");
        form.max_polygons.set_position(10);
        form.magnification.set_position(25);
        form.aspect_a_x.set_position(100);
        form.aspect_a_y.set_position(100);
        set_densities({0, 0, 0, 50, 0, 0, 0, 0, 0, 0});
    }

    std::string program_dir() const { return folder.path().string() + "/"; }
    void write_palette(const std::string& name, const std::string& text) {
        std::ofstream(folder.path() / "palette" / name, std::ios::binary) << text;
    }
    void select_palette(const std::string& name) { form.palette_list.set_item_index(form.palette_list.index_of(name)); }

    // Weights of 1..10 sides; the bars get the ranges -100..0 that settings carry.
    void set_densities(const std::vector<int>& weights) {
        scroll_bar* bars[] = {&form.density1, &form.density2, &form.density3, &form.density4, &form.density5,
                              &form.density6, &form.density7, &form.density8, &form.density9, &form.density10};
        for (std::size_t n = 0; n < 10; ++n) {
            bars[n]->set_range(-100, 0);
            bars[n]->set_position(-weights[n]);
        }
    }

    // A new session, and so a new engine, from the form as it is now.
    quorrings& build() {
        session.reset();
        session = std::make_unique<animation_session>(animation_session_parts{form, palette, random, messages, clock},
                                                      width, height);
        engine = dynamic_cast<quorrings*>(session->rings());
        return *engine;
    }
    // Frames as every front end runs them.
    void run(int frames) {
        for (int frame = 0; frame < frames; ++frame) session->step();
    }
    index_buffer& buffer() { return session->screen(); }
    mouse_position& mouse() { return session->mouse(); }
    int count_pixels(std::uint8_t index) {
        return static_cast<int>(std::count(buffer().data(), buffer().data() + width * height, index));
    }

    temporary_directory folder;
    settings_controls form;
    recording_message_box messages;
    animation_palette palette{messages};
    random_generators random;
    steady_tick_clock clock;
    int width;
    int height;
    std::unique_ptr<animation_session> session;
    quorrings* engine = nullptr;
};

}  // namespace quor::testing
