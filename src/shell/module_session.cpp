#include "shell/module_session.h"

#include "engine/control_error.h"
#include "engine/uniform_random.h"
#include "platform/command_line.h"
#include "storage/configuration.h"
#include "storage/library_file.h"
#include "storage/setting_conversion.h"
#include "storage/settings_file.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <limits>
#include <string_view>
#include <system_error>
#include <vector>

namespace quor {

namespace {

// Keeps the first message it is given, to be told as part of another.
class first_message final : public message_box {
public:
    void show_message(std::string_view text) override {
        if (!text_) text_ = std::string(text);
    }
    bool ask_yes_no(std::string_view text) override {
        show_message(text);
        return false;
    }
    const std::optional<std::string>& text() const { return text_; }

private:
    std::optional<std::string> text_;
};

bool file_exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// A number of seconds beyond 32 bits is as far out of range as the nearer limit.
std::int32_t seconds_within_32_bits(std::int64_t seconds) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(seconds, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

void set_time(edit_box& box, std::int32_t& seconds, std::int32_t value) {
    seconds = value;
    box.set_text(std::to_string(value));
}

}  // namespace

std::optional<std::filesystem::path> module_library_file(const module_arguments& arguments,
                                                         const options_controls& options,
                                                         const file_locations& locations) {
    if (arguments.settings_file) return arguments.settings_file;
    settings_file_location file = configured_settings_file(options, locations.settings_folder());
    const auto present = [](const settings_file_location& location) {
        return file_exists(location.packed_path()) || file_exists(location.plain_path());
    };
    if (!locations.is_portable() && !present(file)) file.program_directory = locations.data_folder();
    for (const auto& path : {file.chosen_path(), file.packed ? file.plain_path() : file.packed_path()})
        if (file_exists(path)) return path;
    return std::nullopt;
}

void apply_module_options(const module_arguments& arguments, options_controls& options, message_box& messages) {
    if (arguments.cycle) options.Run_mode.set_checked(*arguments.cycle);
    options.cycle_tagged.set_checked(!arguments.all_settings);
    options.cycle_all.set_checked(arguments.all_settings);

    if (arguments.min_time || arguments.max_time) {
        const std::int32_t shortest = arguments.min_time ? seconds_within_32_bits(*arguments.min_time) : options.min_seconds;
        const std::int32_t longest = arguments.max_time ? seconds_within_32_bits(*arguments.max_time) : options.max_seconds;
        if (!valid_cycle_times(shortest, longest)) throw module_error(invalid_times_message, exit_usage);
        set_time(options.min_time, options.min_seconds, shortest);
        set_time(options.max_time, options.max_seconds, longest);
    } else if (options.Run_mode.checked() && !valid_cycle_times(options.min_seconds, options.max_seconds)) {
        // A hand-edited configuration: cycling on every frame, or never, is no screensaver.
        messages.show_message(invalid_times_message);
        set_time(options.min_time, options.min_seconds, options_controls::default_min_time);
        set_time(options.max_time, options.max_seconds, options_controls::default_max_time);
    }
}

module_session::module_session(const module_arguments& arguments, const file_locations& locations,
                               module_services services, int width, int height)
    : services_(services),
      palette_(services.messages),
      random_(services.seed.value_or(current_time_of_day_seed())),
      pacing_(services.clock, services.refresh_rate) {
    // The shared generator is seeded once more, after the engine's own took its seed.
    random_.uniform.set_seed(services.seed.value_or(current_time_of_day_seed()));
    read_configuration(options_, locations.configuration_folder());
    apply_module_options(arguments, options_, services_.messages);

    palette_.set_palette_dir(locations);
    // Lists the palette files, as the form's creation does.
    form_rules_.emplace(form_, palette_);

    read_library(arguments, locations);
    choose_first_setting(arguments);
    // A setting without a palette of ours still gets colours from the first palette there is.
    if (!form_.palette_list.has_selection() && form_.palette_list.count() > 0) form_.palette_list.set_item_index(0);

    session_.emplace(animation_session_parts{form_, palette_, random_, services_.messages, services_.clock}, width,
                     height);
    cycler_.emplace(auto_cycler_parts{options_, random_.uniform, services_.clock,
                                      [this](bool tagged_only) { pick_random_setting(tagged_only); },
                                      [this] { rebuild([this] { session_->restart(); }); }});
}

void module_session::read_library(const module_arguments& arguments, const file_locations& locations) {
    const std::optional<std::filesystem::path> path = module_library_file(arguments, options_, locations);
    if (!path) {
        const settings_file_location file = configured_settings_file(options_, locations.settings_folder());
        throw module_error("No settings library: neither " + file.packed_path().string() + " nor " +
                               file.plain_path().string() + " is there",
                           module_exit_failure);
    }
    library_path_ = *path;
    std::vector<std::uint8_t> text;
    try {
        text = read_library_text(library_path_);
    } catch (const library_file_error& error) {
        throw module_error(error.what(), module_exit_failure);
    }
    // Damage keeps the settings before it, and those still run; with none
    // there is nothing to show.
    first_message damage;
    library_.read_settings(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), damage);
    if (library_.settings.empty())
        throw module_error(library_path_.string() + ": no setting to show" +
                               (damage.text() ? ": " + *damage.text() : std::string()),
                           module_exit_failure);
    if (damage.text()) services_.messages.show_message(library_path_.string() + ": " + *damage.text());
}

void module_session::choose_first_setting(const module_arguments& arguments) {
    if (arguments.setting) {
        const auto named = std::find_if(library_.settings.begin(), library_.settings.end(),
                                        [&](const Quor_setting& setting) {
                                            return !setting.control_strings.empty() && setting.name() == *arguments.setting;
                                        });
        if (named != library_.settings.end()) {
            try {
                lines_to_controls(form_, named->control_strings);
                return;
            } catch (const control_error& error) {
                services_.messages.show_message("The setting \"" + *arguments.setting + "\" cannot be applied (" +
                                                error.what() + "); one is chosen at random");
            }
        } else {
            services_.messages.show_message("No setting \"" + *arguments.setting + "\" in " + library_path_.string() +
                                            "; one is chosen at random");
        }
    }
    pick_random_setting(!arguments.all_settings);
}

void module_session::pick_random_setting(bool tagged_only) {
    try {
        library_.pick_random_setting(tagged_only, random_.uniform, form_);
    } catch (const control_error& error) {
        // The form keeps the lines applied before the bad one, as at the program's start.
        services_.messages.show_message(error.what());
    }
}

void module_session::rebuild(const std::function<void()>& change) {
    // An engine that cannot be built is told once; the old one runs on.
    try {
        change();
    } catch (const std::exception& error) {
        services_.messages.show_message(error.what());
    }
}

void module_session::resize(int width, int height) {
    rebuild([&] { session_->resize(width, height); });
}

double module_session::seconds_until_next_frame() { return pacing_.seconds_until_frame(*session_); }

bool module_session::step() {
    session_->step();
    const bool show = pacing_.frame_ran(*session_);
    cycler_->frame();
    return show;
}

}  // namespace quor
