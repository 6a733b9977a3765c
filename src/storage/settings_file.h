#pragma once
// The settings file beside the program: the library's text as it stands
// (".txt") or packed (".cmp"), as the options choose. It is read once at
// start-up and written back at quitting, only when the library changed.

#include "engine/settings_controls.h"
#include "engine/uniform_random.h"
#include "platform/message_box.h"
#include "storage/options_controls.h"
#include "storage/progress_box.h"
#include "storage/settings_library.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace quor {

inline constexpr const char* missing_settings_file_message =
    "Settings file was not saved in format set by INI options\r\n"
    "          Attempting to load alternative file          ";
inline constexpr const char* decompressing_message = "Decompressing Quorrings settings data";
inline constexpr const char* compressing_message = "Compressing Quorrings settings data";

struct settings_file_location {
    std::filesystem::path program_directory;
    std::string base_name;  // without extension
    bool packed = true;     // ".cmp" when set, ".txt" otherwise

    std::filesystem::path packed_path() const;
    std::filesystem::path plain_path() const;
    std::filesystem::path chosen_path() const { return packed ? packed_path() : plain_path(); }
};

// The file the options point at now.
settings_file_location configured_settings_file(const options_controls& options,
                                                const std::filesystem::path& program_directory);

// An installed program's user starts without a library of their own: the
// shipped one (the files of the same name in `shipped_folder`) is copied into
// the user's folder, made for the user alone, and never over a file that is
// there. Returns the file to read and save: the user's, or, when their folder
// or the copy cannot be made (which is shown, naming it), the shipped one,
// which then cannot be saved.
settings_file_location provide_user_settings_file(const settings_file_location& user,
                                                  const std::filesystem::path& shipped_folder,
                                                  message_box& messages);
// The first pick takes tagged settings only unless auto-cycling through all is on.
bool first_pick_tagged_only(const options_controls& options);

struct library_load_result {
    bool end_program = false;  // the start-up code must end the program at once, with exit_code
    int exit_code = 0;
    std::optional<std::size_t> picked_row;  // the starting setting; none in an empty library
};

// Reads the chosen file into `library`: the packed one when chosen and present,
// else the plain one; when neither is there, shows the missing-file message and
// asks for the end of the program with exit code 0. A file that is there but
// cannot be read is reported and also ends the program, so that nothing is ever
// saved over it. Damage shows the corruption message, keeps the settings before
// it and remembers the file as read. Then picks the starting setting onto
// `form` and clears library_modified.
library_load_result load_settings_library(settings_library& library, const settings_file_location& file,
                                          bool tagged_only, settings_controls& form, uniform_random& random,
                                          progress_box& progress, message_box& messages);

enum class save_result { unchanged, saved, failed };

// When library_modified is set, writes the library to `file` in its format
// (making its folder, for the user alone, when it is not there yet),
// replacing any file there as a whole (a failure at any point leaves the old file
// intact), and clears the flag. A damaged file about to be replaced is first kept
// beside it under a name of its own, and the user is told that name. On failure
// shows "Cannot create file " and the path, and keeps the flag so that quitting
// again retries.
save_result save_settings_file(settings_library& library, const settings_file_location& file,
                               progress_box& progress, message_box& messages);

}  // namespace quor
