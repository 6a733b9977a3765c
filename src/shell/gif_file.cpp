#include "shell/gif_file.h"

namespace quor {

namespace {

staged_file_error cannot_write(const staged_file& file, const gif_error& error) {
    return staged_file_error(file.target().string() + ": cannot be written (" + error.what() + ")");
}

gif_recording start_recording(staged_file& file, int width, int height, int frames_per_second) {
    try {
        return gif_recording(file.stream(), width, height, frames_per_second);
    } catch (const gif_error& error) {
        throw cannot_write(file, error);
    }
}

}  // namespace

gif_file::gif_file(const std::filesystem::path& target, int width, int height, int frames_per_second)
    : file_(target), recording_(start_recording(file_, width, height, frames_per_second)) {}

void gif_file::add_frame(const session_picture& picture) {
    try {
        recording_.add_frame(picture.pixels, picture.colours);
    } catch (const gif_error& error) {
        throw cannot_write(file_, error);
    }
}

void gif_file::finish() {
    try {
        recording_.finish();
    } catch (const gif_error& error) {
        throw cannot_write(file_, error);
    }
    file_.commit();
}

}  // namespace quor
