#include "platform/file_locations.h"

#include <cerrno>
#include <cstdlib>

#if __has_include(<unistd.h>)
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#define QUOR_HAVE_POSIX 1
#endif

namespace quor {

namespace {

namespace fs = std::filesystem;

bool writable_folder(const fs::path& folder) {
#ifdef QUOR_HAVE_POSIX
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
#else
    return true;
#endif
}

bool is_folder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The user's home: $HOME, or the account's home where it is not set.
fs::path home_folder(const environment_lookup& environment) {
    if (const auto home = environment("HOME"); home && !home->empty()) return *home;
#ifdef QUOR_HAVE_POSIX
    if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir) return account->pw_dir;
#endif
    return "/";
}

// An XDG base folder: the variable when it holds an absolute path, else the
// default below the home folder.
fs::path base_folder(const environment_lookup& environment, const char* variable, const fs::path& fallback) {
    if (const auto value = environment(variable); value && fs::path(*value).is_absolute())
        return fs::path(*value);
    return home_folder(environment) / fallback;
}

}  // namespace

std::filesystem::path executable_folder() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    return fs::current_path(error);
}

environment_lookup process_environment() {
    return [](const char* name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name)) return std::string(value);
        return std::nullopt;
    };
}

file_locations file_locations::portable(std::filesystem::path folder) {
    // "dir/" and "dir" are one folder; messages name it without a doubled separator.
    folder = folder.lexically_normal();
    if (!folder.has_filename() && folder.has_parent_path() && folder != folder.root_path()) folder = folder.parent_path();
    file_locations locations;
    locations.portable_ = true;
    locations.data_folder_ = folder;
    locations.palette_folders_ = {folder / palette_folder_name};
    locations.settings_folder_ = folder;
    locations.configuration_folder_ = std::move(folder);
    return locations;
}

file_locations file_locations::for_executable(const fs::path& executable_folder, const environment_lookup& environment) {
    if (const auto home = environment("QUORRINGS_HOME"); home && !home->empty()) return portable(fs::path(*home));
    if (is_folder(executable_folder / palette_folder_name) && writable_folder(executable_folder))
        return portable(executable_folder);

    file_locations locations;
    locations.portable_ = false;
    locations.data_folder_ = (executable_folder / ".." / "share" / "quorrings").lexically_normal();
    const fs::path user_data = base_folder(environment, "XDG_DATA_HOME", fs::path(".local") / "share") / "quorrings";
    locations.palette_folders_ = {locations.data_folder_ / palette_folder_name, user_data / palette_folder_name};
    locations.settings_folder_ = user_data;
    locations.configuration_folder_ = base_folder(environment, "XDG_CONFIG_HOME", ".config") / "quorrings";
    return locations;
}

file_locations file_locations::for_this_program() {
    return for_executable(executable_folder(), process_environment());
}

bool make_private_folder(const fs::path& folder, std::error_code& error) {
    error.clear();
    if (is_folder(folder)) return true;
    if (folder.has_parent_path() && folder.parent_path() != folder && !make_private_folder(folder.parent_path(), error))
        return false;
#ifdef QUOR_HAVE_POSIX
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = std::error_code(errno, std::generic_category());
        return false;
    }
#else
    fs::create_directory(folder, error);
    if (error) return false;
#endif
    if (is_folder(folder)) return true;
    error = std::make_error_code(std::errc::not_a_directory);
    return false;
}

}  // namespace quor
