#pragma once
// Where the program's files are, and where it may write. In a portable folder
// (the build folder, a program folder on a memory stick, or the folder named
// by QUORRINGS_HOME) every file is beside the executable. Installed, shipped
// data is read from <prefix>/share/quorrings/, found from the executable's
// bin/ folder so that any prefix works, and the user's configuration and
// settings library live in the XDG base-directory folders. Nothing else in
// the program builds a folder's path.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace quor {

// The folder of the running executable, links resolved.
std::filesystem::path executable_folder();

// An environment variable's value; none when it is not set.
using environment_lookup = std::function<std::optional<std::string>(const char* name)>;
// The process's own environment.
environment_lookup process_environment();

class file_locations {
public:
    // Everything in `folder`.
    static file_locations portable(std::filesystem::path folder);
    // The rule for a program whose executable lies in `executable_folder`:
    // QUORRINGS_HOME names a portable folder; otherwise a writable executable
    // folder that holds a "palette" folder is one; otherwise the program is
    // installed.
    static file_locations for_executable(const std::filesystem::path& executable_folder,
                                         const environment_lookup& environment);
    // The rule for this process.
    static file_locations for_this_program();

    bool is_portable() const { return portable_; }
    // Shipped, read-only data: palettes, the about box's data, the help page
    // and the shipped settings library.
    const std::filesystem::path& data_folder() const { return data_folder_; }
    // Palette folders: the shipped one first, then the user's, whose files win
    // over shipped ones of the same name.
    const std::vector<std::filesystem::path>& palette_folders() const { return palette_folders_; }
    // Where the settings library is read and saved.
    const std::filesystem::path& settings_folder() const { return settings_folder_; }
    // Where the configuration is read and written.
    const std::filesystem::path& configuration_folder() const { return configuration_folder_; }

private:
    bool portable_ = true;
    std::filesystem::path data_folder_;
    std::vector<std::filesystem::path> palette_folders_;
    std::filesystem::path settings_folder_;
    std::filesystem::path configuration_folder_;
};

// The name of the palette folder inside a data folder.
inline constexpr const char* palette_folder_name = "palette";

// Creates `folder` and any missing folder above it, each readable only by its
// owner (mode 0700). True when the folder is there afterwards.
bool make_private_folder(const std::filesystem::path& folder, std::error_code& error);

}  // namespace quor
