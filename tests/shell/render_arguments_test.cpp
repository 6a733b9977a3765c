#include "shell/render_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

render_arguments parsed(std::vector<std::string> arguments) { return parse_render_arguments(argument_list(std::move(arguments))); }

TEST(RenderArguments, TheOutputsNameSaysWhatIsWritten) {
    struct name_case {
        std::string out;
        render_output kind;
        video_container container;
    };
    const name_case cases[] = {
        {"a.png", render_output::picture, video_container::mp4},
        {"dir/A.PNG", render_output::picture, video_container::mp4},
        {"a.gif", render_output::animated_gif, video_container::mp4},
        {"a.Mp4", render_output::video, video_container::mp4},
        {"a.webm", render_output::video, video_container::webm},
        {"a.mkv", render_output::video, video_container::mkv},
        {"shots/frame_%04d.png", render_output::picture_sequence, video_container::mp4},
    };
    for (const name_case& each : cases) {
        const render_arguments arguments = parsed({"lib.cmp", "Fire", each.out});
        EXPECT_EQ(arguments.output_kind, each.kind) << each.out;
        if (each.kind == render_output::video) {
            EXPECT_EQ(arguments.container, each.container) << each.out;
        }
        EXPECT_EQ(arguments.numbered_output.has_value(), each.kind == render_output::picture_sequence) << each.out;
    }
}

TEST(RenderArguments, OptionsAnywhereWithTheirDefaults) {
    const render_arguments plain = parsed({"lib.cmp", "Fire Tunnel", "out.gif"});
    EXPECT_EQ(plain.settings_file, "lib.cmp");
    EXPECT_EQ(plain.name, "Fire Tunnel");
    EXPECT_EQ(plain.width, 1280);
    EXPECT_EQ(plain.height, 720);
    EXPECT_EQ(plain.seed, 1u);
    EXPECT_EQ(plain.skip, 0);
    EXPECT_FALSE(plain.quiet);
    EXPECT_EQ(render_frame_count(plain, 60), 300);

    const render_arguments given = parsed({"--size", "320x180", "lib.cmp", "--seed", "4294967295", "Fire", "--skip",
                                           "200", "out.gif", "--seconds", "2.5", "--fps", "30", "--quiet"});
    EXPECT_EQ(given.width, 320);
    EXPECT_EQ(given.height, 180);
    EXPECT_EQ(given.seed, 4294967295u);
    EXPECT_EQ(given.skip, 200);
    EXPECT_TRUE(given.quiet);
    EXPECT_EQ(given.frames_per_second, 30);
    EXPECT_EQ(render_frame_count(given, 30), 75);
    EXPECT_EQ(render_frame_count(given, 25), 63) << "2.5 s at 25 frames per second, rounded";
}

TEST(RenderArguments, TheFrameRateFollowsTheSettingUnlessGiven) {
    settings_controls form;
    const render_arguments plain = parsed({"l", "n", "o.gif"});
    form.fix_speed.set_checked(false);
    form.designed_speed.set_caption("25");
    EXPECT_EQ(render_frame_rate(plain, form), 60);
    form.fix_speed.set_checked(true);
    EXPECT_EQ(render_frame_rate(plain, form), 25);
    form.designed_speed.set_caption("500000");
    EXPECT_EQ(render_frame_rate(plain, form), highest_render_frame_rate) << "a widened speed bar";
    EXPECT_EQ(render_frame_rate(parsed({"l", "n", "o.gif", "--fps", "12"}), form), 12);
}

TEST(RenderArguments, WrongArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"l", "n"},
        {"l", "n", "o.gif", "extra"},
        {"l", "n", "o.gif", "--frames"},
        {"l", "n", "o.gif", "--frames", "-1"},
        {"l", "n", "o.gif", "--frames", "ten"},
        {"l", "n", "o.gif", "--frames", "5", "--seconds", "1"},
        {"l", "n", "o.gif", "--seconds", "-2"},
        {"l", "n", "o.gif", "--seconds", "inf"},
        {"l", "n", "o.gif", "--seconds", "1e3"},
        {"l", "n", "o.gif", "--fps", "0"},
        {"l", "n", "o.gif", "--fps", "1001"},
        {"l", "n", "o.gif", "--size", "0x10"},
        {"l", "n", "o.gif", "--size", "10x16385"},
        {"l", "n", "o.gif", "--size", "10"},
        {"l", "n", "o.gif", "--size", "10x"},
        {"l", "n", "o.gif", "--seed", "4294967296"},
        {"l", "n", "o.gif", "--skip", "-3"},
        {"l", "n", "o.gif", "--verbose"},
        {"l", "n", "o.jpg"},
        {"l", "n", "noextension"},
        {"l", "n", "frame_%04d.gif"},
        {"l", "n", "frame_%s.png"},
        {"l", "n", "frame_%d_%d.png"},
        {"l", "n", "frame_%-4d.png"},
        {"l", "n", "frame_%4.png"},
        {"l", "n", "frame_%.png"},
        {"l", "n", "100%.png"},
        {"l", "n", "frame_%99d.png"},
    };
    for (const auto& arguments : wrong)
        EXPECT_THROW(parsed(arguments), usage_error) << (arguments.empty() ? "(none)" : arguments.back());
    // An animation of no frame is one too; a picture after no frame is the black start.
    for (const std::string out : {"o.gif", "o.mp4", "f%d.png"})
        EXPECT_THROW(parsed({"l", "n", out, "--frames", "0"}), usage_error) << out;
    EXPECT_THROW(render_frame_count(parsed({"l", "n", "o.gif", "--seconds", "0.001"}), 60), usage_error);
    EXPECT_EQ(render_frame_count(parsed({"l", "n", "o.png", "--frames", "0"}), 60), 0);
}

TEST(NumberedFileName, NumbersAsPrintfWould) {
    struct name_case {
        std::string pattern;
        std::int64_t number;
        std::string name;
    };
    const name_case cases[] = {
        {"frame_%04d.png", 7, "frame_0007.png"},
        {"frame_%04d.png", 123456, "frame_123456.png"},
        {"%d.png", 12, "12.png"},
        {"f%3d.png", 5, "f  5.png"},
        {"100%%_%02d.png", 3, "100%_03.png"},
        {"%%%d%%.png", 1, "%1%.png"},
    };
    for (const name_case& each : cases) {
        const auto name = numbered_file_name::parse(each.pattern);
        ASSERT_TRUE(name.has_value()) << each.pattern;
        EXPECT_EQ(name->name_of(each.number), each.name) << each.pattern;
    }
    EXPECT_FALSE(numbered_file_name::parse("plain.png").has_value());
    EXPECT_THROW(numbered_file_name::parse("only%%.png"), usage_error) << "no number";
}

}  // namespace
}  // namespace quor
