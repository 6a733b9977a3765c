#pragma once
// The about box's data file "Quor_Rings_32_Binary.bin": three images of 384 rows
// by 24 columns, one byte a cell, stored one after the other with no header. A
// byte other than 0 marks a point. The images are wrapped around a band, so a
// row is a step along the band and a column a step across it.

#include "platform/message_box.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace quor {

inline constexpr int about_image_rows = 384;
inline constexpr int about_image_columns = 24;
inline constexpr int about_image_count = 3;
inline constexpr std::size_t about_image_bytes = std::size_t{about_image_rows} * about_image_columns;  // 9,216
inline constexpr std::size_t about_data_file_bytes = about_image_bytes * about_image_count;               // 27,648

inline constexpr std::string_view about_data_file_name = "Quor_Rings_32_Binary.bin";
inline constexpr std::string_view missing_about_data_message = "Can't find binary data file";
inline constexpr std::string_view unreadable_about_data_message = "Can't read binary data file";

// Byte (row, column) is at row * 24 + column.
using about_image = std::array<std::uint8_t, about_image_bytes>;

struct about_images {
    std::array<about_image, about_image_count> blocks{};  // all zero: no points
    int whole_blocks = 0;                                  // blocks read whole, from the first
};

// The blocks that `bytes` hold whole, in order; the others stay all zero. Bytes
// after the third block are ignored.
about_images read_about_images(std::span<const std::uint8_t> bytes);

// Reads the data file from `program_dir`. A missing, unreadable or short file is
// reported through `messages` once; whatever could not be read stays empty.
about_images load_about_data_file(const std::filesystem::path& program_dir, message_box& messages);

// The message for a file of `size` bytes that ends inside the image blocks.
std::string short_about_data_message(std::size_t size);

}  // namespace quor
