#pragma once
// Names the program joins to its own directory: the settings file's base name
// and a setting's name. Each check returns why the name is refused, or nothing
// when it is fine.

#include <optional>
#include <string>
#include <string_view>

namespace quor {

// The settings file's base name must stay a plain file name inside the
// program's directory: not empty, no path separator, not "." or "..", no
// control character and none of  < > : " | ? *  that some file systems refuse.
std::optional<std::string> settings_file_name_problem(std::string_view name);

// A setting's name is a line of its own in the settings file: an empty name, one
// beginning with "}", one with a control character (a line break among them) or
// one too long for a line would end its block early when the file is read back.
std::optional<std::string> setting_name_problem(std::string_view name);

}  // namespace quor
