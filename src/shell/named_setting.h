#pragma once
// One setting of a library file, by name, put on the settings form's controls
// for a front end that runs without the form: the form's own rules still hold
// (the designed speed follows the speed bar, the palette list is filled).

#include "engine/settings_controls.h"
#include "platform/message_box.h"
#include "render/animation_palette.h"

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace quor {

// "PATH: reason"; the setting's name, quoted, where it is about the setting.
class named_setting_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the library at `library_file` (packed when its name says so) and
// applies its setting called `name` to `form`, with `palette`'s palette files
// listed. Damage in the library is reported to `messages`; the settings before
// it still count. Throws named_setting_error when the file cannot be read, has
// no such setting, or the setting does not apply.
void apply_named_setting(settings_controls& form, const animation_palette& palette,
                         const std::filesystem::path& library_file, std::string_view name, message_box& messages);

}  // namespace quor
