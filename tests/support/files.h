#pragma once
// Whole files as byte strings, for tests that write a file and check what is on disk.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quor::testing {

// The file's bytes; empty when it cannot be read.
inline std::string file_text(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Replaces the file with exactly these bytes.
inline void put_file(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Every file and folder below `folder` with its bytes ("(folder)" for a folder), to
// see that nothing there changed; empty when the folder is not there.
inline std::map<std::filesystem::path, std::string> folder_contents(const std::filesystem::path& folder) {
    std::map<std::filesystem::path, std::string> files;
    if (std::filesystem::exists(folder))
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
            files[entry.path()] = entry.is_regular_file() ? file_text(entry.path()) : "(folder)";
    return files;
}

// The names of what is in `folder`, in the order the folder lists them.
inline std::vector<std::string> file_names_in(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
}

}  // namespace quor::testing
