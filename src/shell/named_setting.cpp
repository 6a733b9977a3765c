#include "shell/named_setting.h"

#include "shell/settings_form.h"
#include "storage/library_file.h"
#include "storage/setting_conversion.h"
#include "storage/settings_library.h"

#include <exception>
#include <string>

namespace quor {

void apply_named_setting(settings_controls& form, const animation_palette& palette,
                         const std::filesystem::path& library_file, std::string_view name, message_box& messages) {
    std::vector<std::uint8_t> text;
    try {
        text = read_library_text(library_file);
    } catch (const library_file_error& error) {
        throw named_setting_error(error.what());
    }
    settings_library library;
    library.read_settings(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), messages);
    for (const Quor_setting& setting : library.settings) {
        if (setting.control_strings.empty() || setting.name() != name) continue;
        // The form's handlers are bound only while it lives.
        const unseen_settings_form rules(form, palette);
        try {
            lines_to_controls(form, setting.control_strings);
        } catch (const std::exception& error) {
            throw named_setting_error("setting \"" + std::string(name) + "\" cannot be applied: " + error.what());
        }
        return;
    }
    throw named_setting_error(library_file.string() + ": no setting named \"" + std::string(name) + "\"");
}

}  // namespace quor
