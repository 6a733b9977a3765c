#pragma once
// The settings library in memory: every stored setting in file order, and
// whether the collection differs from the settings file.

#include "engine/settings_controls.h"
#include "engine/uniform_random.h"
#include "platform/message_box.h"
#include "storage/quor_setting.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

inline constexpr const char* corrupt_settings_message = "The Settings file may be corrupt\r\nYou may experience problems";

// A settings file that a load found damaged, as it was read: kept until a save
// would replace it, so that its contents are never lost.
struct damaged_settings_file {
    std::filesystem::path path;
    std::vector<std::uint8_t> bytes;
};

class settings_library {
public:
    // A tagged pick gives up on finding a tagged setting after this many draws.
    static constexpr int tagged_draws = 5001;

    std::vector<Quor_setting> settings;  // file order, which is also the grid's row order
    bool library_modified = false;       // the collection or the file options changed since loading
    std::optional<damaged_settings_file> damaged_original;

    // Replaces `settings` with the blocks of `text`, read from its start. At the
    // first block that is malformed or unfinished (an empty text included) shows
    // the corruption message, keeps the settings before it and returns false.
    bool read_settings(std::string_view text, message_box& messages);
    // Every setting's block, in list order.
    std::string write_settings() const;

    // Draws a row with `random` (up to tagged_draws times for a tagged one when
    // `tagged_only`, then once more among all), applies its lines to `form` and
    // returns it. An empty library draws nothing, leaves the form as it is and
    // returns nothing. A line the form refuses throws as lines_to_controls does.
    std::optional<std::size_t> pick_random_setting(bool tagged_only, uniform_random& random,
                                                   settings_controls& form) const;
};

}  // namespace quor
