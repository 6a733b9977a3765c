#pragma once
// The program's own options in "Quor_Rings_32_Config.ini" beside the program,
// read into the options controls at start-up and written from them at the end,
// through the options' store Quor_ini.

#include "platform/message_box.h"
#include "storage/options_controls.h"

#include <filesystem>

namespace quor {

inline constexpr const char* configuration_file_name = "Quor_Rings_32_Config.ini";
inline constexpr const char* default_settings_file_name = "Quor_Rings_32_Settings";

// Missing file, section, key or empty value: that key's default. Values reach
// the controls without any range check; a settings file name that is not a
// plain file name gives the default name.
void read_configuration(options_controls& options, const std::filesystem::path& program_directory);

// Writes the six options, keeping every other entry of the file. When a time box
// holds no integer, or the file cannot be written, shows the error, writes
// nothing and returns false.
bool write_configuration(options_controls& options, const std::filesystem::path& program_directory,
                         message_box& messages);

}  // namespace quor
