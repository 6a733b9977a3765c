#pragma once
// Fixture paths, whole-file helpers, a library's names and a settings form for the settings library tests.

#include "engine/settings_controls.h"
#include "storage/settings_library.h"
#include "support/files.h"

#include <array>
#include <filesystem>
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
