#pragma once
// A file written under a temporary name beside its target and put in its place
// by one rename when it is complete, so that a failed or interrupted job leaves
// neither a partial file nor a changed old one.

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace quor {

// "PATH: cannot be written (reason)".
class staged_file_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class staged_file {
public:
    // Creates an empty temporary file, hidden, in the target's folder. Throws
    // staged_file_error when the folder does not take it or the target is a folder.
    explicit staged_file(std::filesystem::path target);
    // Removes the temporary file unless it was committed.
    ~staged_file();
    staged_file(const staged_file&) = delete;
    staged_file& operator=(const staged_file&) = delete;

    const std::filesystem::path& target() const { return target_; }
    // For a writer that opens the file by its name (it is there, empty).
    const std::filesystem::path& temporary_path() const { return temporary_; }
    // For a writer of our own: open for writing at the start.
    std::FILE* stream() { return stream_; }

    // Flushes to disk and renames over the target. Throws staged_file_error,
    // having removed the temporary file.
    void commit();

private:
    [[noreturn]] void fail(const char* what, int error);
    void remove_temporary();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* stream_ = nullptr;
    bool committed_ = false;
};

}  // namespace quor
