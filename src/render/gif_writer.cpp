#include "render/gif_writer.h"

#include <gif_lib.h>

namespace quor {

namespace {

int write_to_file(GifFileType* gif, const GifByteType* bytes, int count) {
    return static_cast<int>(std::fwrite(bytes, 1, static_cast<std::size_t>(count), static_cast<std::FILE*>(gif->UserData)));
}

}  // namespace

gif_writer::gif_writer(std::FILE* file, int width, int height) : file_(file) {
    int error = 0;
    gif_ = EGifOpen(file_, write_to_file, &error);
    if (gif_ == nullptr) throw gif_error(gif_error_text(error));
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
    if (gif_ == nullptr) return;
    int ignored = 0;
    EGifCloseFile(gif_, &ignored);
    gif_ = nullptr;
}

void gif_writer::check(int result) const {
    if (result == GIF_ERROR) throw gif_error(gif_error_text(gif_->Error));
}

void gif_writer::append(std::span<const std::uint8_t> image) {
    // giflib has nothing held back between records, so the image's bytes go
    // straight into the same stream.
    if (std::fwrite(image.data(), 1, image.size(), file_) != image.size())
        throw gif_error(gif_error_text(E_GIF_ERR_WRITE_FAILED));
}

void gif_writer::finish() {
    int error = 0;
    GifFileType* gif = gif_;
    gif_ = nullptr;
    if (EGifCloseFile(gif, &error) == GIF_ERROR) throw gif_error(gif_error_text(error));
    if (std::fflush(file_) != 0 || std::ferror(file_)) throw gif_error(gif_error_text(E_GIF_ERR_WRITE_FAILED));
}

}  // namespace quor
