#include "shell/about_data_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "support/recording_message_box.h"
#include "support/temporary_directory.h"

namespace quor {
namespace {

// Bytes of block k hold k + 1, so a block read from the wrong offset shows.
std::vector<std::uint8_t> numbered_blocks(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i / about_image_bytes + 1);
    return bytes;
}

void expect_blocks(const about_images& images, int whole_blocks) {
    EXPECT_EQ(images.whole_blocks, whole_blocks);
    for (int block = 0; block < about_image_count; ++block) {
        const std::uint8_t expected = block < whole_blocks ? static_cast<std::uint8_t>(block + 1) : 0;
        EXPECT_TRUE(std::all_of(images.blocks[block].begin(), images.blocks[block].end(),
                                [&](std::uint8_t byte) { return byte == expected; }))
            << "block " << block;
    }
}

TEST(about_data_file, reads_only_the_blocks_held_whole) {
    const struct {
        std::size_t size;
        int whole_blocks;
    } cases[] = {
        {0, 0}, {about_image_bytes - 1, 0}, {about_image_bytes, 1}, {2 * about_image_bytes + 5, 2},
        {about_data_file_bytes, 3}, {about_data_file_bytes + 100, 3},  // bytes past the images are ignored
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        expect_blocks(read_about_images(numbered_blocks(c.size)), c.whole_blocks);
    }
}

TEST(about_data_file, reports_a_missing_unreadable_or_short_file_once) {
    const struct {
        const char* name;
        int size;  // -1: no file; -2: a folder of that name
        std::vector<std::string> messages;
        int whole_blocks;
    } cases[] = {
        {"missing", -1, {"Can't find binary data file"}, 0},
        {"unreadable", -2, {"Can't read binary data file"}, 0},
        {"short", 10000, {"Binary data file is too short: 10000 of 27648 bytes"}, 1},
        {"whole", int(about_data_file_bytes), {}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::temporary_directory folder;
        const auto path = folder.path() / about_data_file_name;
        if (c.size == -2) std::filesystem::create_directory(path);
        if (c.size >= 0) {
            const auto bytes = numbered_blocks(static_cast<std::size_t>(c.size));
            std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), c.size);
        }
        recording_message_box messages;
        expect_blocks(load_about_data_file(folder.path(), messages), c.whole_blocks);
        EXPECT_EQ(messages.messages, c.messages);
    }
}

TEST(about_data_file, shipped_file_is_whole_and_within_the_point_limit) {
    recording_message_box messages;
    const about_images images = load_about_data_file(std::filesystem::path(QUOR_TEST_DIR) / ".." / "data", messages);
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_EQ(images.whole_blocks, 3);
    for (const about_image& image : images.blocks) {
        const auto marked = std::count_if(image.begin(), image.end(), [](std::uint8_t byte) { return byte != 0; });
        EXPECT_GT(marked, 500);
        EXPECT_LE(marked, 2048);
    }
}

}  // namespace
}  // namespace quor
