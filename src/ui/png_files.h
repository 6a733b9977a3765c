#pragma once
// Frames written as PNG pictures: the last frame as one picture, or every
// frame as its own numbered picture. Each picture is complete under its name
// or not there at all.

#include "render/presentation.h"
#include "shell/frame_sink.h"
#include "shell/numbered_file_name.h"
#include "storage/staged_file.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quor {

// The picture as a PNG file's bytes, 24-bit colour.
std::vector<std::uint8_t> png_bytes(const index_image& picture, const colour_table& colours);

// The last frame added, written when finished.
class png_picture_file final : public frame_sink {
public:
    // Throws staged_file_error when the target cannot be written.
    explicit png_picture_file(const std::filesystem::path& target) : file_(target) {}
    void add_frame(const session_picture& picture) override;
    // Throws staged_file_error.
    void finish() override;

private:
    staged_file file_;
    std::vector<std::uint8_t> bytes_;
};

// Frame n (from 1) written as it comes to the name `name` gives n, in `folder`.
class png_sequence final : public frame_sink {
public:
    png_sequence(std::filesystem::path folder, numbered_file_name name)
        : folder_(std::move(folder)), name_(std::move(name)) {}
    // Throws staged_file_error.
    void add_frame(const session_picture& picture) override;
    void finish() override {}

private:
    std::filesystem::path folder_;
    numbered_file_name name_;
    std::int64_t written_ = 0;
};

}  // namespace quor
