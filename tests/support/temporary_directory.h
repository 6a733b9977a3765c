#pragma once
// A fresh directory under the system's temporary folder, removed with everything in it.

#include <filesystem>
#include <random>
#include <string>

#include "support/files.h"

namespace quor::testing {

class temporary_directory {
public:
    temporary_directory() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("quor_test_" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~temporary_directory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    temporary_directory(const temporary_directory&) = delete;
    temporary_directory& operator=(const temporary_directory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // With a trailing separator, as the program directory is given.
    std::string program_dir() const { return path_.string() + "/"; }

    void write(const std::filesystem::path& relative, const std::string& bytes) const {
        std::filesystem::create_directories((path_ / relative).parent_path());
        put_file(path_ / relative, bytes);
    }

private:
    std::filesystem::path path_;
};

}  // namespace quor::testing
