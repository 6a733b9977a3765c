#pragma once
// A program directory of the fuzz target's own, made once per process, in
// memory where there is such a folder: the saves under test sync every file to
// disk.

#include <unistd.h>

#include <filesystem>
#include <string>

inline const std::filesystem::path& fuzz_program_directory(const char* target) {
    static const std::filesystem::path directory = [target] {
        namespace fs = std::filesystem;
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path made = base / (std::string(target) + "_" + std::to_string(getpid()));
        fs::create_directories(made);
        return made;
    }();
    return directory;
}
