#include "storage/settings_file.h"

#include "engine/control_error.h"
#include "platform/file_locations.h"
#include "storage/file_bytes.h"
#include "storage/library_file.h"
#include "storage/lzh_compressor.h"
#include "storage/lzh_exception.h"

#include <string_view>
#include <system_error>
#include <utility>

namespace quor {
namespace {

constexpr const char* kept_damaged_message = "The settings file was damaged when it was read; its original is kept as ";
constexpr int most_kept_copies = 1000;

// Hides the box however the work under it ends.
class progress_shown {
public:
    explicit progress_shown(progress_box& progress) : progress_(progress) {}
    ~progress_shown() { progress_.think_hide(); }
    progress_shown(const progress_shown&) = delete;
    progress_shown& operator=(const progress_shown&) = delete;

private:
    progress_box& progress_;
};

std::string_view as_text(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::span<const std::uint8_t> as_bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// "X.damaged", then "X.damaged-2", "X.damaged-3" ...: an earlier kept copy is
// never replaced. Returns the name tried last and whether the copy is there.
std::pair<std::filesystem::path, bool> keep_beside(const damaged_settings_file& damaged) {
    std::filesystem::path kept;
    for (int number = 1; number <= most_kept_copies; ++number) {
        kept = damaged.path;
        kept += number == 1 ? std::string(".damaged") : ".damaged-" + std::to_string(number);
        if (create_new_file(kept, damaged.bytes)) return {kept, true};
        std::error_code error;
        if (!std::filesystem::exists(kept, error) || error) break;
    }
    return {kept, false};
}

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace

std::filesystem::path settings_file_location::packed_path() const {
    return program_directory / (base_name + std::string(packed_extension));
}

std::filesystem::path settings_file_location::plain_path() const {
    return program_directory / (base_name + std::string(plain_extension));
}

settings_file_location configured_settings_file(const options_controls& options,
                                                const std::filesystem::path& program_directory) {
    return {program_directory, options.Settings_file_name.text(), options.UseCompression.checked()};
}

settings_file_location provide_user_settings_file(const settings_file_location& user,
                                                  const std::filesystem::path& shipped_folder,
                                                  message_box& messages) {
    std::error_code error;
    if (std::filesystem::exists(user.packed_path(), error) || std::filesystem::exists(user.plain_path(), error))
        return user;
    const settings_file_location shipped{shipped_folder, user.base_name, user.packed};
    if (!make_private_folder(user.program_directory, error)) {
        messages.show_message("Cannot create folder " + user.program_directory.string() + " (" + error.message() +
                              ")\r\nChanged settings cannot be saved");
        return shipped;
    }
    for (const auto& [from, to] : {std::pair{shipped.packed_path(), user.packed_path()},
                                   std::pair{shipped.plain_path(), user.plain_path()}}) {
        const file_read_result read = read_whole_file(from);
        if (read.status != file_read_status::read) continue;
        if (!create_new_file(to, read.bytes) && !std::filesystem::exists(to, error)) {
            messages.show_message("Cannot create file " + to.string() + "\r\nChanged settings cannot be saved");
            return shipped;
        }
    }
    return user;
}

bool first_pick_tagged_only(const options_controls& options) {
    return options.Run_mode.checked() ? options.cycle_tagged.checked() : true;
}

library_load_result load_settings_library(settings_library& library, const settings_file_location& file,
                                          bool tagged_only, settings_controls& form, uniform_random& random,
                                          progress_box& progress, message_box& messages) {
    library.settings.clear();
    library.damaged_original.reset();
    progress_shown hide_at_end(progress);

    std::filesystem::path path = file.packed_path();
    file_read_result read;
    if (file.packed) {
        read = read_whole_file(path);
        if (read.status == file_read_status::read) progress.think_show(decompressing_message);
    }
    const bool packed = file.packed && read.status != file_read_status::missing;
    if (!packed) {
        path = file.plain_path();
        read = read_whole_file(path);
        if (read.status == file_read_status::missing) {
            messages.show_message(missing_settings_file_message);
            return {.end_program = true, .exit_code = 0, .picked_row = std::nullopt};
        }
    }
    if (read.status != file_read_status::read) {
        messages.show_message("Cannot open file " + path.string());
        return {.end_program = true, .exit_code = 1, .picked_row = std::nullopt};
    }

    std::vector<std::uint8_t> text;
    bool damaged = false;
    if (packed) {
        try {
            text = lzh_unpack(read.bytes);
        } catch (const ElzhException&) {
            // A header that the packed bytes cannot fill: read as no text, which
            // the parse reports as damage.
            damaged = true;
        }
    }
    const std::span<const std::uint8_t> plain = packed ? std::span<const std::uint8_t>(text) : read.bytes;
    progress.set_maximum(static_cast<int>(plain.size() / 1024));

    damaged = !library.read_settings(as_text(plain), messages) || damaged;
    if (damaged) library.damaged_original = damaged_settings_file{path, std::move(read.bytes)};

    library_load_result result;
    try {
        result.picked_row = library.pick_random_setting(tagged_only, random, form);
    } catch (const control_error& error) {
        // The library stays loaded; the form keeps the lines applied before the bad one.
        messages.show_message(error.what());
    }
    library.library_modified = false;
    return result;
}

save_result save_settings_file(settings_library& library, const settings_file_location& file,
                               progress_box& progress, message_box& messages) {
    if (!library.library_modified) return save_result::unchanged;

    const std::string text = library.write_settings();
    std::vector<std::uint8_t> packed_bytes;
    if (file.packed) {
        progress_shown hide_at_end(progress);
        progress.think_show_bar(compressing_message);
        My_LZH_Compressor compressor;
        compressor.progressbar = &progress;
        compressor.i_s.assign(as_bytes(text));
        compressor.compression(true);
        packed_bytes = compressor.o_s.take();
    }
    const std::span<const std::uint8_t> bytes = file.packed ? std::span<const std::uint8_t>(packed_bytes) : as_bytes(text);
    const std::filesystem::path path = file.chosen_path();
    // An installed program's user folder may not be there yet; the write below reports it if it cannot be made.
    std::error_code ignored;
    make_private_folder(file.program_directory, ignored);

    if (library.damaged_original && same_file(library.damaged_original->path, path)) {
        const auto [kept, is_kept] = keep_beside(*library.damaged_original);
        if (!is_kept) {
            messages.show_message("Cannot create file " + kept.string());
            return save_result::failed;
        }
        library.damaged_original.reset();
        messages.show_message(kept_damaged_message + kept.string());
    }

    if (!write_file_atomically(path, bytes)) {
        messages.show_message("Cannot create file " + path.string());
        return save_result::failed;
    }
    library.library_modified = false;
    return save_result::saved;
}

}  // namespace quor
