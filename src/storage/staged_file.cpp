#include "storage/staged_file.h"

#include "storage/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

namespace quor {

staged_file::staged_file(std::filesystem::path target) : target_(std::move(target)) {
    std::error_code ignored;
    if (std::filesystem::is_directory(target_, ignored)) fail("is a folder", 0);
    const std::filesystem::path folder = target_.has_parent_path() ? target_.parent_path() : ".";
    std::string hidden_name = target_.filename().string();
    hidden_name.insert(0, 1, '.');
    hidden_name.append(".XXXXXX");
    const std::string pattern = (folder / hidden_name).string();
    std::vector<char> name(pattern.c_str(), pattern.c_str() + pattern.size() + 1);
    const int descriptor = ::mkostemp(name.data(), O_CLOEXEC);
    if (descriptor < 0) fail("cannot be written", errno);
    temporary_ = name.data();
    // mkstemp makes the file private; the finished one has the mode of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
    stream_ = ::fdopen(descriptor, "wb");
    if (stream_ == nullptr) {
        const int error = errno;
        ::close(descriptor);
        remove_temporary();
        fail("cannot be written", error);
    }
}

staged_file::~staged_file() {
    if (stream_ != nullptr) std::fclose(stream_);
    if (!committed_) remove_temporary();
}

void staged_file::remove_temporary() {
    if (temporary_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

void staged_file::fail(const char* what, int error) {
    std::string text = target_.string() + ": " + what;
    if (error != 0) text += std::string(" (") + std::strerror(error) + ")";
    throw staged_file_error(text);
}

void staged_file::commit() {
    std::FILE* stream = stream_;
    stream_ = nullptr;
    int error = 0;
    if (std::fflush(stream) != 0 || std::ferror(stream)) error = errno != 0 ? errno : EIO;
    if (::fsync(fileno(stream)) != 0 && error == 0) error = errno;
    if (std::fclose(stream) != 0 && error == 0) error = errno;
    if (error == 0) {
        std::error_code renamed;
        std::filesystem::rename(temporary_, target_, renamed);
        error = renamed.value();
    }
    if (error != 0) {
        remove_temporary();
        fail("cannot be written", error);
    }
    committed_ = true;
    sync_folder_of(target_);
}

}  // namespace quor
