#include "render/animation_palette.h"

#include "render/palette_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace quor {

namespace {

std::string upper_case(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Only a regular file (or a link to one) can be a palette file: a device such as
// /dev/zero would never end.
bool is_file(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Names are listed upper-cased, but this file system tells the cases apart:
// find the file the listed name came from.
std::filesystem::path with_any_letter_case(const std::filesystem::path& path) {
    if (is_file(path)) return path;
    const std::string wanted = upper_case(path.filename().string());
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::error_code error;
    std::vector<std::filesystem::path> matches;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (upper_case(entry->path().filename().string()) == wanted && is_file(entry->path()))
            matches.push_back(entry->path());
    if (matches.empty()) return path;
    return *std::min_element(matches.begin(), matches.end());  // the same choice every time
}

}  // namespace

animation_palette::animation_palette(message_box& messages) : messages_(messages), palette_record_(system_palette()) {
    colours_ = make_colour_table(palette_record_);
}

void animation_palette::set_palette_dir(const std::string& program_dir) { set_palette_dir(program_dir, {}); }

void animation_palette::set_palette_dir(const std::string& data_dir, const std::vector<std::string>& more_palette_dirs) {
    palette_handle_ = 0;
    data_dir_ = data_dir;
    palette_dir_ = data_dir + "palette/";
    palette_dirs_ = {palette_dir_};
    for (const std::string& folder : more_palette_dirs)
        palette_dirs_.push_back(folder.empty() || folder.back() == '/' ? folder : folder + "/");
}

void animation_palette::set_palette_dir(const file_locations& locations) {
    std::vector<std::string> more;
    const auto& folders = locations.palette_folders();
    for (std::size_t i = 1; i < folders.size(); ++i) more.push_back(folders[i].string() + "/");
    set_palette_dir(locations.data_folder().string() + "/", more);
}

void animation_palette::find_palette_files(std::vector<std::string>& list) const {
    std::vector<std::string> found;
    for (const std::string& folder : palette_dirs_) {
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            const std::string name = upper_case(entry->path().filename().string());
            if (name.size() < 4 || name.compare(name.size() - 4, 4, ".PAL") != 0) continue;
            std::error_code status_error;
            if (entry->is_directory(status_error)) continue;
            found.push_back(name);
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    list.insert(list.end(), found.begin(), found.end());
}

void animation_palette::read_palette_file(const std::string& name) {
    const bool has_directory = name.find('/') != std::string::npos;
    std::string full_path = has_directory ? name : palette_dir_ + name;
    std::filesystem::path path = with_any_letter_case(full_path);
    // The user's folders come after the shipped one, and their files win.
    for (auto folder = palette_dirs_.rbegin(); !has_directory && folder != palette_dirs_.rend(); ++folder) {
        const std::filesystem::path candidate = with_any_letter_case(*folder + name);
        if (is_file(candidate)) {
            full_path = *folder + name;
            path = candidate;
            break;
        }
    }
    if (!is_file(path)) {
        messages_.show_message(full_path + "\rPalette file not found");
        return;
    }
    std::ifstream input(path, std::ios::binary);
    if (!input) throw palette_file_error(full_path + "\rPalette file could not be opened");

    palette_file_colours file;
    try {
        file = read_palette_colours(input);
    } catch (const palette_file_error& error) {
        throw palette_file_error(full_path + "\r" + error.what());
    }

    // Everything is read: only now does the shared palette change.
    const logical_palette& system = system_palette();
    logical_palette record;
    for (int i = 0; i < static_colours_low; ++i) record.entries[i] = system.entries[i];
    for (int i = first_static_high; i < palette_size; ++i) record.entries[i] = system.entries[i];
    const int count = file.colour_count;
    for (int i = 0; i < count; ++i) record.entries[static_colours_low + i] = file.colours[i];
    for (int i = count; i < animatable_colour_limit; ++i)
        record.entries[static_colours_low + i] = record.entries[static_colours_low + i - count];

    palette_record_ = record;
    colour_count_ = count;
    colours_ = make_colour_table(palette_record_);
    palette_handle_ = ++palettes_made_;
    if (palette_handle_ == 0) palette_handle_ = ++palettes_made_;  // 0 means none, even after wrapping
}

void animation_palette::rotate_palette(int shift) {
    rotate_animated_entries(palette_record_.entries, colour_count_, shift);
    rotate_animated_entries(colours_, colour_count_, shift);
}

}  // namespace quor
