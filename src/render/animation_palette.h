#pragma once
// The one shared animation palette: entries 0..9 and 246..255 the fixed system
// colours, 10..245 the colours of a palette file repeated cyclically, and the
// rotation that animates them.

#include "platform/file_locations.h"
#include "platform/message_box.h"
#include "render/logical_palette.h"
#include "render/presentation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quor {

class animation_palette {
public:
    // `messages` must outlive the palette.
    explicit animation_palette(message_box& messages);

    // program_dir ends with a separator; palette files live in its "palette/".
    // Forgets the palette handle.
    void set_palette_dir(const std::string& program_dir);
    // As set_palette_dir(data_dir), with more palette folders after the first
    // (data_dir's "palette/"): a file in a later folder wins over one of the
    // same name in an earlier one.
    void set_palette_dir(const std::string& data_dir, const std::vector<std::string>& more_palette_dirs);
    // The palette folders of these locations.
    void set_palette_dir(const file_locations& locations);
    const std::string& palette_dir() const { return palette_dir_; }
    // The folder the palette folder lies in, as given to set_palette_dir.
    const std::string& data_dir() const { return data_dir_; }

    // Appends the upper-cased names (no path) of the "*.pal" files in the palette
    // directories, sorted, each once; directories are left out, a missing
    // directory adds nothing.
    void find_palette_files(std::vector<std::string>& list) const;

    // A name without a directory part is looked up in the palette directories,
    // the last first; a listed (upper-cased) name also finds the file in another
    // letter case. A missing file shows "<full path>\rPalette file not found"
    // (the path in the first palette directory) and changes nothing. A damaged
    // file throws palette_file_error ("<full path>\r<reason>") and changes nothing.
    void read_palette_file(const std::string& name);

    const logical_palette& palette_record() const { return palette_record_; }
    // N, the number of animated colours: 1..236, 0 until a file has been read.
    int colour_count() const { return colour_count_; }
    // 0 until a file has been read, then a new value for every palette loaded.
    std::uint32_t palette_handle() const { return palette_handle_; }
    // palette_record as presented; follows every load and rotation.
    const colour_table& colours() const { return colours_; }

    // Turns entries 10 .. 10 + N - 1 by `shift` places: a positive shift moves
    // each colour toward lower indices (entry 10 + i takes the colour of entry
    // 10 + (i + shift) mod N), a negative one toward higher indices. Shifts of
    // N or more wrap; with no colours loaded nothing moves.
    void rotate_palette(int shift);

private:
    message_box& messages_;
    std::string data_dir_;
    std::string palette_dir_;
    std::vector<std::string> palette_dirs_;  // palette_dir_ first; each ends with a separator
    logical_palette palette_record_;
    colour_table colours_{};
    int colour_count_ = 0;
    std::uint32_t palette_handle_ = 0;
    std::uint32_t palettes_made_ = 0;
};

}  // namespace quor
