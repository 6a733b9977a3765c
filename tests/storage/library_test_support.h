#pragma once
// Fixture paths, whole-file helpers and a settings form for the settings library tests.

#include "engine/settings_controls.h"
#include "storage/file_bytes.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace quor::testing {

inline std::filesystem::path lzh_fixture(std::string_view name) {
    return std::filesystem::path(QUOR_TEST_DIR) / "storage" / "fixtures" / "lzh" / name;
}

inline std::filesystem::path library_fixture(std::string_view name) {
    return std::filesystem::path(QUOR_TEST_DIR) / "storage" / "fixtures" / "library" / name;
}

// The file's bytes; empty when it cannot be read.
inline std::string file_text(const std::filesystem::path& path) {
    const file_read_result file = read_whole_file(path);
    return {file.bytes.begin(), file.bytes.end()};
}

inline void put_file(const std::filesystem::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
}

// The settings form with the palette files the fixtures name.
struct palette_form : settings_controls {
    palette_form() { fill_palette_list(std::array{"FIRE.PAL", "ICE.PAL"}); }
};

}  // namespace quor::testing
