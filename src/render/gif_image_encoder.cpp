#include "render/gif_image_encoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace quor {

std::string gif_error_text(int code) {
    const char* text = GifErrorString(code);
    return text ? text : "GIF error " + std::to_string(code);
}

namespace {

int append_to_output(GifFileType* gif, const GifByteType* bytes, int count) {
    auto* output = *static_cast<std::vector<std::uint8_t>**>(gif->UserData);
    if (output != nullptr) output->insert(output->end(), bytes, bytes + count);
    return count;
}

}  // namespace

gif_image_encoder::gif_image_encoder(int width, int height) : row_(static_cast<std::size_t>(std::max(width, 1))) {
    int error = 0;
    gif_ = EGifOpen(&output_, append_to_output, &error);
    if (gif_ == nullptr) throw gif_error(gif_error_text(error));
    colour_map_ = GifMakeMapObject(palette_size, nullptr);
    // giflib takes images only after a screen; this one's bytes go nowhere.
    if (colour_map_ == nullptr || EGifPutScreenDesc(gif_, width, height, 8, 0, nullptr) == GIF_ERROR) {
        const int code = colour_map_ == nullptr ? E_GIF_ERR_NOT_ENOUGH_MEM : gif_->Error;
        release();
        throw gif_error(gif_error_text(code));
    }
}

gif_image_encoder::~gif_image_encoder() { release(); }

void gif_image_encoder::release() {
    output_ = nullptr;
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

void gif_image_encoder::check(int result) const {
    if (result == GIF_ERROR) throw gif_error(gif_error_text(gif_->Error));
}

void gif_image_encoder::encode(const index_image& image, point place, const colour_table& colours, int delay,
                               std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    output_ = &bytes;
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
    GifByteType control_bytes[4];
    const auto control_size = EGifGCBToExtension(&control, control_bytes);
    check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(control_size), control_bytes));

    for (int i = 0; i < palette_size; ++i)
        colour_map_->Colors[i] = {GifByteType(colours[i] >> 16), GifByteType(colours[i] >> 8), GifByteType(colours[i])};
    check(EGifPutImageDesc(gif_, place.x, place.y, image.width, image.height, false, colour_map_));
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(row_.data(), image.pixels + y * image.stride, static_cast<std::size_t>(image.width));
        check(EGifPutLine(gif_, row_.data(), image.width));
    }
    output_ = nullptr;
}

}  // namespace quor
