#include "storage/settings_library.h"

#include <cstdint>
#include <vector>

#include "storage/setting_conversion.h"
#include "storage/text_reader.h"

namespace quor {

bool settings_library::read_settings(std::string_view text, message_box& messages) {
    settings.clear();
    text_reader stream(text);
    // At least one block is read, so an empty text is reported as damage too.
    do {
        Quor_setting setting;
        if (!setting.ReadText(stream)) {
            messages.show_message(corrupt_settings_message);
            return false;
        }
        settings.push_back(std::move(setting));
    } while (!stream.at_end());
    return true;
}

std::string settings_library::write_settings() const {
    std::string text;
    for (const Quor_setting& setting : settings) setting.WriteText(text);
    return text;
}

std::optional<std::size_t> settings_library::pick_random_setting(bool tagged_only, uniform_random& random,
                                                                 settings_controls& form) const {
    if (settings.empty()) return std::nullopt;
    const auto count = static_cast<std::int32_t>(settings.size());
    std::optional<std::size_t> chosen;
    // Each setting's tag is looked up once: in a library with few tags most of
    // the draws land on settings already seen.
    enum class tag : std::uint8_t { unknown, tagged, untagged };
    std::vector<tag> tags(tagged_only ? settings.size() : 0, tag::unknown);
    for (int draw = 0; tagged_only && !chosen && draw < tagged_draws; ++draw) {
        const auto index = static_cast<std::size_t>(random(count));
        if (tags[index] == tag::unknown) tags[index] = settings[index].screensave() ? tag::tagged : tag::untagged;
        if (tags[index] == tag::tagged) chosen = index;
    }
    if (!chosen) chosen = static_cast<std::size_t>(random(count));
    lines_to_controls(form, settings[*chosen].control_strings);
    return chosen;
}

}  // namespace quor
