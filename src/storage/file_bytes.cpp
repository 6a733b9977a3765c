#include "storage/file_bytes.h"

#include <cstdio>
#include <system_error>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define QUOR_HAVE_FSYNC 1
#endif

namespace quor {

file_read_result read_whole_file(const std::filesystem::path& path) {
    file_read_result result;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        result.status = file_read_status::missing;
        return result;
    }
    if (error || !std::filesystem::is_regular_file(status)) return result;

    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (file == nullptr) return result;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return result;
    result.status = file_read_status::read;
    result.bytes = std::move(bytes);
    return result;
}

namespace {

// Writes, flushes to disk and closes `file`; true when every step succeeded.
bool write_and_close(std::FILE* file, std::span<const std::uint8_t> bytes) {
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fflush(file) == 0 && written;
#ifdef QUOR_HAVE_FSYNC
    written = ::fsync(fileno(file)) == 0 && written;
#endif
    return std::fclose(file) == 0 && written;
}

}  // namespace

// After a rename the new name is durable only once the folder is: a power cut
// before that could bring the old file back after "saved".
void sync_folder_of(const std::filesystem::path& path) {
#ifdef QUOR_HAVE_FSYNC
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
#else
    (void)path;
#endif
}

bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::FILE* file = std::fopen(temporary.string().c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = write_and_close(file, bytes);
    std::error_code error;
    if (written) std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    sync_folder_of(path);
    return true;
}

bool create_new_file(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    // "x": fails when the file exists, checked and created in one step.
    std::FILE* file = std::fopen(path.string().c_str(), "wbx");
    if (file == nullptr) return false;
    if (write_and_close(file, bytes)) {
        sync_folder_of(path);
        return true;
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace quor
