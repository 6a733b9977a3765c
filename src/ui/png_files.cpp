#include "ui/png_files.h"

#include <QBuffer>
#include <QImage>

#include <cstdio>

namespace quor {

namespace {

void write_and_commit(staged_file& file, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) throw staged_file_error(file.target().string() + ": cannot be written (no picture)");
    std::fwrite(bytes.data(), 1, bytes.size(), file.stream());
    // A short write shows in the stream's error, which commit reports.
    file.commit();
}

}  // namespace

std::vector<std::uint8_t> png_bytes(const index_image& picture, const colour_table& colours) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    present(picture, colours,
            {reinterpret_cast<std::uint32_t*>(image.bits()), picture.width, picture.height,
             static_cast<std::ptrdiff_t>(image.bytesPerLine() / 4)});
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return {encoded.begin(), encoded.end()};
}

void png_picture_file::add_frame(const session_picture& picture) { bytes_ = png_bytes(picture.pixels, picture.colours); }

void png_picture_file::finish() { write_and_commit(file_, bytes_); }

void png_sequence::add_frame(const session_picture& picture) {
    staged_file file(folder_ / name_.name_of(++written_));
    write_and_commit(file, png_bytes(picture.pixels, picture.colours));
}

}  // namespace quor
