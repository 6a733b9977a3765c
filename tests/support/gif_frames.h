#pragma once
// An animated GIF read back with giflib's own reader and composed frame by
// frame as a viewer shows it, for tests that check what a recording looks like.

#include "render/index_buffer.h"

#include <gif_lib.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace quor::testing {

struct gif_frame {
    pixel_area area;                    // the rectangle the image covers
    int delay = 0;                      // hundredths of a second
    int disposal = DISPOSAL_UNSPECIFIED;
    int local_table_size = 0;           // entries of its own colour table; 0 without one
    std::vector<std::uint32_t> colours; // the whole screen after it, 0xffRRGGBB
};

struct decoded_gif {
    int width = 0;
    int height = 0;
    bool loops_forever = false;  // NETSCAPE2.0 with loop count 0
    std::vector<gif_frame> frames;

    int total_delay() const {
        int total = 0;
        for (const gif_frame& frame : frames) total += frame.delay;
        return total;
    }
};

namespace gif_detail {

inline bool is_loop_forever(const SavedImage& image) {
    for (int i = 0; i + 1 < image.ExtensionBlockCount; ++i) {
        const ExtensionBlock& name = image.ExtensionBlocks[i];
        const ExtensionBlock& data = image.ExtensionBlocks[i + 1];
        if (name.Function == APPLICATION_EXT_FUNC_CODE && name.ByteCount == 11 &&
            std::string(reinterpret_cast<const char*>(name.Bytes), 11) == "NETSCAPE2.0" && data.ByteCount == 3 &&
            data.Bytes[0] == 1 && data.Bytes[1] == 0 && data.Bytes[2] == 0)
            return true;
    }
    return false;
}

}  // namespace gif_detail

// Frames drawn one over the other as "do not dispose" asks (any other disposal
// is only recorded); throws std::runtime_error for what giflib cannot read.
inline decoded_gif decode_gif(const std::filesystem::path& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr) throw std::runtime_error(path.string() + ": " + GifErrorString(error));
    if (DGifSlurp(gif) == GIF_ERROR) {
        const std::string text = GifErrorString(gif->Error);
        DGifCloseFile(gif, &error);
        throw std::runtime_error(path.string() + ": " + text);
    }
    decoded_gif result;
    result.width = gif->SWidth;
    result.height = gif->SHeight;
    std::vector<std::uint32_t> screen(std::size_t(result.width) * result.height, 0xff000000u);
    for (int index = 0; index < gif->ImageCount; ++index) {
        const SavedImage& image = gif->SavedImages[index];
        if (gif_detail::is_loop_forever(image)) result.loops_forever = true;
        gif_frame frame;
        GraphicsControlBlock control{};
        if (DGifSavedExtensionToGCB(gif, index, &control) == GIF_OK) {
            frame.delay = control.DelayTime;
            frame.disposal = control.DisposalMode;
        }
        const GifImageDesc& place = image.ImageDesc;
        frame.area = {place.Left, place.Top, place.Left + place.Width, place.Top + place.Height};
        if (place.ColorMap) frame.local_table_size = place.ColorMap->ColorCount;
        const ColorMapObject* map = place.ColorMap ? place.ColorMap : gif->SColorMap;
        for (int y = 0; y < place.Height; ++y) {
            for (int x = 0; x < place.Width; ++x) {
                const GifByteType index_there = image.RasterBits[y * place.Width + x];
                const int screen_x = place.Left + x;
                const int screen_y = place.Top + y;
                if (map == nullptr || index_there >= map->ColorCount || screen_x >= result.width ||
                    screen_y >= result.height)
                    continue;
                const GifColorType colour = map->Colors[index_there];
                screen[std::size_t(screen_y) * result.width + screen_x] =
                    0xff000000u | std::uint32_t(colour.Red) << 16 | std::uint32_t(colour.Green) << 8 | colour.Blue;
            }
        }
        frame.colours = screen;
        result.frames.push_back(std::move(frame));
    }
    DGifCloseFile(gif, &error);
    return result;
}

}  // namespace quor::testing
