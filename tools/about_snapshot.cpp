// Draws the about box's demonstration without a window, to look at it:
//   about_snapshot PROGRAM_DIR OUTPUT.ppm [x_rot y_rot z_rot]
// Writes a sheet of pictures: one row for each of the six shapes, each row the
// shape still at three moments of its turn, with the box's calm ("Stabilize")
// controls unless rotation speeds are given. PROGRAM_DIR holds the data file
// and the palette folder (the build's bin/ does).

#include "engine/uniform_random.h"
#include "platform/tick_clock.h"
#include "render/animation_palette.h"
#include "shell/about_data_file.h"
#include "shell/about_demonstration.h"
#include "support/recording_message_box.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 6) {
        std::cerr << "usage: about_snapshot PROGRAM_DIR OUTPUT.ppm [x_rot y_rot z_rot]\n";
        return 2;
    }
    const std::string program_dir = std::string(argv[1]) + "/";
    quor::recording_message_box messages;
    quor::animation_palette palette(messages);
    palette.set_palette_dir(program_dir);
    palette.read_palette_file("RAINBOW.PAL");

    quor::steady_tick_clock clock;
    quor::uniform_random random(12345);
    quor::about_demonstration demonstration(clock, random);
    demonstration.FormCreate(quor::load_about_data_file(program_dir, messages));
    for (const std::string& message : messages.messages) std::cerr << message << '\n';
    demonstration.FormShow(palette.palette_record(), palette.colour_count());
    demonstration.Button1Click();
    if (argc == 6) {
        demonstration.controls.x_rot.set_position(std::atoi(argv[3]));
        demonstration.controls.y_rot.set_position(std::atoi(argv[4]));
        demonstration.controls.z_rot.set_position(std::atoi(argv[5]));
    }
    demonstration.controls.pause_sc.set_position(400);

    const int width = quor::about_demonstration::picture_size.x;
    const int height = quor::about_demonstration::picture_size.y;
    constexpr int moments = 3;
    constexpr int frames_between_moments = 40;
    const int sheet_width = width * moments;
    const int sheet_height = height * quor::about_shape_count;
    std::vector<std::uint32_t> sheet(static_cast<std::size_t>(sheet_width) * sheet_height, 0xff404040u);
    for (int shape = 0; shape < quor::about_shape_count; ++shape) {
        demonstration.state.shape_index = shape;
        demonstration.state.pause_count = 0;
        demonstration.state.morph_step = 0;
        for (int moment = 0; moment < moments; ++moment) {
            for (int frame = 0; frame < frames_between_moments; ++frame) {
                demonstration.rotate_palette();
                demonstration.advance_and_draw();
            }
            const quor::rgb_image target{sheet.data() + static_cast<std::size_t>(shape) * height * sheet_width +
                                             static_cast<std::size_t>(moment) * width,
                                         width - 2, height - 2, sheet_width};
            demonstration.surface()->copy_surface_to_screen(target);
        }
    }

    std::ofstream output(argv[2], std::ios::binary);
    output << "P6\n" << sheet_width << ' ' << sheet_height << "\n255\n";
    for (const std::uint32_t colour : sheet) {
        const char rgb[3] = {static_cast<char>(colour >> 16), static_cast<char>(colour >> 8), static_cast<char>(colour)};
        output.write(rgb, 3);
    }
    return output ? 0 : 1;
}
