#include "shell/about_data_file.h"

#include "storage/file_bytes.h"

#include <algorithm>
#include <string>

namespace quor {

about_images read_about_images(std::span<const std::uint8_t> bytes) {
    about_images images;
    for (auto& block : images.blocks) {
        const std::size_t offset = static_cast<std::size_t>(images.whole_blocks) * about_image_bytes;
        if (bytes.size() < offset + about_image_bytes) break;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), about_image_bytes, block.begin());
        ++images.whole_blocks;
    }
    return images;
}

std::string short_about_data_message(std::size_t size) {
    return "Binary data file is too short: " + std::to_string(size) + " of " + std::to_string(about_data_file_bytes) +
           " bytes";
}

about_images load_about_data_file(const std::filesystem::path& program_dir, message_box& messages) {
    const file_read_result file = read_whole_file(program_dir / about_data_file_name);
    switch (file.status) {
        case file_read_status::missing: messages.show_message(missing_about_data_message); return {};
        case file_read_status::failed: messages.show_message(unreadable_about_data_message); return {};
        case file_read_status::read: break;
    }
    if (file.bytes.size() < about_data_file_bytes) messages.show_message(short_about_data_message(file.bytes.size()));
    return read_about_images(file.bytes);
}

}  // namespace quor
