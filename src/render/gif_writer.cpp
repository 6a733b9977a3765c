#include "render/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace quor {

namespace {

int write_to_file(GifFileType* gif, const GifByteType* bytes, int count) {
    return static_cast<int>(std::fwrite(bytes, 1, static_cast<std::size_t>(count), static_cast<std::FILE*>(gif->UserData)));
}

std::string error_text(int code) {
    const char* text = GifErrorString(code);
    return text ? text : "GIF error " + std::to_string(code);
}

}  // namespace

gif_writer::gif_writer(std::FILE* file, int width, int height)
    : file_(file), row_(static_cast<std::size_t>(std::max(width, 1))) {
    int error = 0;
    gif_ = EGifOpen(file_, write_to_file, &error);
    if (gif_ == nullptr) throw gif_error(error_text(error));
    colour_map_ = GifMakeMapObject(palette_size, nullptr);
    if (colour_map_ == nullptr) {
        close();
        throw gif_error(error_text(E_GIF_ERR_NOT_ENOUGH_MEM));
    }
    try {
        // GIF89a for the extensions; no global table, as every image brings its own.
        EGifSetGifVersion(gif_, true);
        check(EGifPutScreenDesc(gif_, width, height, 8, 0, nullptr));
        // NETSCAPE2.0, loop count 0: play again and again.
        const unsigned char application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        const unsigned char loop_forever[] = {1, 0, 0};
        check(EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE));
        check(EGifPutExtensionBlock(gif_, sizeof application, application));
        check(EGifPutExtensionBlock(gif_, sizeof loop_forever, loop_forever));
        check(EGifPutExtensionTrailer(gif_));
    } catch (...) {
        close();
        throw;
    }
}

gif_writer::~gif_writer() { close(); }

void gif_writer::close() {
    if (gif_ != nullptr) {
        int ignored = 0;
        EGifCloseFile(gif_, &ignored);
        gif_ = nullptr;
    }
    if (colour_map_ != nullptr) {
        GifFreeMapObject(colour_map_);
        colour_map_ = nullptr;
    }
}

void gif_writer::check(int result) const {
    if (result == GIF_ERROR) throw gif_error(error_text(gif_->Error));
}

void gif_writer::add_image(const index_image& picture, pixel_area area, const colour_table& colours, int delay) {
    area.left = std::clamp(area.left, 0, picture.width - 1);
    area.top = std::clamp(area.top, 0, picture.height - 1);
    area.right = std::clamp(area.right, area.left + 1, picture.width);
    area.bottom = std::clamp(area.bottom, area.top + 1, picture.height);

    GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
    GifByteType control_bytes[4];
    const auto control_size = EGifGCBToExtension(&control, control_bytes);
    check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(control_size), control_bytes));

    for (int i = 0; i < palette_size; ++i)
        colour_map_->Colors[i] = {GifByteType(colours[i] >> 16), GifByteType(colours[i] >> 8), GifByteType(colours[i])};
    const int width = area.right - area.left;
    check(EGifPutImageDesc(gif_, area.left, area.top, width, area.bottom - area.top, false, colour_map_));
    for (int y = area.top; y < area.bottom; ++y) {
        std::memcpy(row_.data(), picture.pixels + y * picture.stride + area.left, static_cast<std::size_t>(width));
        check(EGifPutLine(gif_, row_.data(), width));
    }
}

void gif_writer::finish() {
    int error = 0;
    GifFileType* gif = gif_;
    gif_ = nullptr;
    if (EGifCloseFile(gif, &error) == GIF_ERROR) throw gif_error(error_text(error));
    if (std::fflush(file_) != 0 || std::ferror(file_)) throw gif_error(error_text(E_GIF_ERR_WRITE_FAILED));
}

}  // namespace quor
