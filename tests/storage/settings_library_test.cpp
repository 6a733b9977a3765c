#include "storage/settings_library.h"

#include "library_test_support.h"
#include "storage/setting_conversion.h"
#include "support/recording_message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quor {
namespace {

using testing::file_text;
using testing::library_fixture;
using testing::lzh_fixture;
using testing::names_of;
using testing::palette_form;

TEST(settings_library, reads_every_block_and_reports_damage_once) {
    struct read_case {
        const char* what;
        std::string text;
        std::vector<std::string> names;
        bool complete;
    };
    const std::string library3 = file_text(lzh_fixture("library3.txt"));
    const std::vector<read_case> cases = {
        {"three sound blocks", library3, {"Sample setting 1", "Sample setting 2", "Sample setting 3"}, true},
        {"blank line after the last block", file_text(library_fixture("trailing_blank_line.txt")),
         {"Sample setting 1", "Sample setting 2", "Sample setting 3"}, false},
        // The second block runs on to the third block's "}": no damage is seen.
        {"second block unclosed", file_text(library_fixture("second_block_unclosed.txt")),
         {"Sample setting 1", "Sample setting 2"}, true},
        {"empty text", "", {}, false},
        {"ends inside a block", "{ \r\nOne\r\n}\r\n{ \r\nTwo\r\n  in_out\tTRUE\r\n", {"One"}, false},
        {"junk after a block", "{ \r\nOne\r\n}\r\njunk", {"One"}, false},
        {"no final line end", "{ \r\nOne\r\n}", {"One"}, true},
    };
    for (const read_case& c : cases) {
        recording_message_box messages;
        settings_library library;
        library.settings.resize(7);  // what was there before is replaced
        EXPECT_EQ(library.read_settings(c.text, messages), c.complete) << c.what;
        EXPECT_EQ(names_of(library), c.names) << c.what;
        const std::vector<std::string> expected_messages =
            c.complete ? std::vector<std::string>{} : std::vector<std::string>{corrupt_settings_message};
        EXPECT_EQ(messages.messages, expected_messages) << c.what;
    }
}

TEST(settings_library, an_unclosed_block_takes_on_the_next_blocks_values) {
    recording_message_box messages;
    settings_library intact;
    settings_library merged;
    intact.read_settings(file_text(lzh_fixture("library3.txt")), messages);
    merged.read_settings(file_text(library_fixture("second_block_unclosed.txt")), messages);

    palette_form from_merged;
    palette_form from_third;
    lines_to_controls(from_merged, merged.settings[1].control_strings);
    lines_to_controls(from_third, intact.settings[2].control_strings);
    EXPECT_EQ(controls_to_lines(from_merged, "x"), controls_to_lines(from_third, "x"));
    EXPECT_TRUE(merged.settings[1].screensave());
}

TEST(settings_library, writes_back_exactly_the_text_it_read) {
    recording_message_box messages;
    settings_library library;
    const std::string text = file_text(lzh_fixture("library3.txt"));
    ASSERT_TRUE(library.read_settings(text, messages));
    EXPECT_EQ(library.write_settings(), text);
    EXPECT_EQ(settings_library().write_settings(), "");
}

// A line longer than the reader's 4096 characters comes back in pieces, and the
// first piece is written as a line of exactly 4096. Found by fuzzing: that line
// used to read back as itself and an empty line, so the saved file was corrupt
// from there on and every setting after it was lost.
TEST(settings_library, a_saved_line_of_4096_characters_reads_back_with_everything_after_it) {
    const std::string text = "{ \r\nLong\r\n" + std::string(4096, 'x') + "}\r\n{ \r\nAfter\r\n}\r\n";
    recording_message_box messages;
    settings_library library;
    ASSERT_TRUE(library.read_settings(text, messages));
    ASSERT_EQ(names_of(library), (std::vector<std::string>{"Long", "After"}));

    settings_library reread;
    EXPECT_TRUE(reread.read_settings(library.write_settings(), messages));
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(reread.settings.size(), 2u);
    for (std::size_t index = 0; index < 2; ++index)
        EXPECT_EQ(reread.settings[index].control_strings, library.settings[index].control_strings);
}

// A library of `tags.size()` settings, tagged as given, each a full set of lines.
settings_library library_tagged(const std::vector<bool>& tags) {
    settings_library library;
    palette_form form;
    for (std::size_t index = 0; index < tags.size(); ++index) {
        form.Screensaver.set_checked(tags[index]);
        form.max_polygons.set_position(static_cast<int>(index));
        library.settings.push_back({controls_to_lines(form, "Setting " + std::to_string(index))});
    }
    return library;
}

// The seed after `draws` draws from `seed`, and the last draw.
std::pair<std::uint32_t, std::int32_t> after_draws(std::uint32_t seed, int draws, std::int32_t n) {
    uniform_random random(seed);
    std::int32_t last = -1;
    for (int draw = 0; draw < draws; ++draw) last = random(n);
    return {random.seed(), last};
}

TEST(settings_library, a_pick_draws_as_many_times_as_the_tags_require) {
    constexpr std::uint32_t seed = 20261210;
    struct pick_case {
        const char* what;
        std::vector<bool> tags;
        bool tagged_only;
        int draws;  // 0: until the first tagged row, computed below
    };
    const std::vector<pick_case> cases = {
        {"nothing tagged: 5001 draws, then one among all", {false, false, false}, true, 5002},
        {"all settings: one draw", {true, false, true}, false, 1},
        {"tagged only: the first tagged row drawn", {false, true, false, false, true}, true, 0},
    };
    for (const pick_case& c : cases) {
        const settings_library library = library_tagged(c.tags);
        const auto count = static_cast<std::int32_t>(c.tags.size());
        int draws = c.draws;
        if (draws == 0) {
            uniform_random replay(seed);
            do ++draws;
            while (!c.tags[static_cast<std::size_t>(replay(count))]);
        }
        uniform_random random(seed);
        palette_form form;
        const std::optional<std::size_t> row = library.pick_random_setting(c.tagged_only, random, form);
        const auto [expected_seed, expected_row] = after_draws(seed, draws, count);
        ASSERT_TRUE(row) << c.what;
        EXPECT_EQ(*row, static_cast<std::size_t>(expected_row)) << c.what;
        EXPECT_EQ(random.seed(), expected_seed) << c.what;
        // The chosen setting is now on the form.
        EXPECT_EQ(controls_to_lines(form, library.settings[*row].name()), library.settings[*row].control_strings)
            << c.what;
    }
}

TEST(settings_library, a_lone_tagged_setting_among_many_is_found) {
    std::vector<bool> tags(200, false);
    tags[137] = true;
    uniform_random random(99);
    palette_form form;
    EXPECT_EQ(library_tagged(tags).pick_random_setting(true, random, form), std::optional<std::size_t>(137));
}

TEST(settings_library, an_empty_library_picks_nothing_and_leaves_the_form_alone) {
    palette_form form;
    const std::vector<std::string> before = controls_to_lines(form, "x");
    for (bool tagged_only : {true, false}) {
        uniform_random random(5);
        EXPECT_EQ(settings_library().pick_random_setting(tagged_only, random, form), std::nullopt);
        EXPECT_EQ(random.seed(), 5u);
    }
    EXPECT_EQ(controls_to_lines(form, "x"), before);
}

}  // namespace
}  // namespace quor
