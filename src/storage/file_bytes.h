#pragma once
// Whole-file reading and writing for the storage readers, which themselves work
// on bytes in memory.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace quor {

enum class file_read_status { read, missing, failed };

struct file_read_result {
    file_read_status status = file_read_status::failed;
    std::vector<std::uint8_t> bytes;  // empty unless status is read
};

file_read_result read_whole_file(const std::filesystem::path& path);

// Writes a temporary file beside `path`, flushes it to disk, then renames it over
// `path`, so a failure at any point leaves the old file whole. Returns false on
// failure, having removed the temporary file.
bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Creates `path` with `bytes` and flushes it to disk, never replacing a file
// that is already there. Returns false when the name is taken or the write
// failed; a file this call began is then removed.
bool create_new_file(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Makes a rename into `path`'s folder durable. Some file systems refuse to sync
// a folder; that is no failure, so nothing is reported.
void sync_folder_of(const std::filesystem::path& path);

}  // namespace quor
