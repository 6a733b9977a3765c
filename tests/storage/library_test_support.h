#pragma once
// Fixture paths, whole-file helpers, a library's names and a settings form for the settings library tests.

#include "engine/settings_controls.h"
#include "storage/file_bytes.h"
#include "storage/settings_library.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

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

inline std::vector<std::string> names_of(const settings_library& library) {
    std::vector<std::string> names;
    for (const Quor_setting& setting : library.settings) names.push_back(setting.name());
    return names;
}

// The settings form with the palette files the fixtures name.
struct palette_form : settings_controls {
    palette_form() { fill_palette_list(std::array{"FIRE.PAL", "ICE.PAL"}); }
};

}  // namespace quor::testing
