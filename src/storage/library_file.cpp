#include "storage/library_file.h"

#include "engine/text_case.h"
#include "storage/file_bytes.h"
#include "storage/lzh_compressor.h"
#include "storage/lzh_exception.h"

#include <string>

namespace quor {

bool is_packed_file_name(const std::filesystem::path& path) {
    return equal_ignoring_case(path.extension().string(), packed_extension);
}

std::vector<std::uint8_t> read_library_text(const std::filesystem::path& path) {
    file_read_result file = read_whole_file(path);
    if (file.status == file_read_status::missing) throw library_file_error(path.string() + ": no such file");
    if (file.status != file_read_status::read) throw library_file_error(path.string() + ": cannot be read");
    if (!is_packed_file_name(path)) return std::move(file.bytes);
    try {
        return lzh_unpack(file.bytes);
    } catch (const ElzhException& error) {
        throw library_file_error(path.string() + ": " + error.what());
    }
}

}  // namespace quor
