#include "shell/progress_line.h"

#include <algorithm>
#include <cmath>

namespace quor {

namespace {

constexpr double seconds_between_lines = 0.1;

// "m:ss", or "h:mm:ss" from an hour on.
int format_duration(char* out, std::size_t size, double seconds) {
    const auto whole = static_cast<long long>(std::clamp(seconds, 0.0, 3.6e8));
    if (whole >= 3600)
        return std::snprintf(out, size, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
    return std::snprintf(out, size, "%lld:%02lld", whole / 60, whole % 60);
}

}  // namespace

std::string_view progress_text(std::span<char> buffer, std::int64_t done, std::int64_t total, double elapsed) {
    if (buffer.empty()) return {};
    char spent[24];
    char left[24] = "?:??";
    format_duration(spent, sizeof spent, elapsed);
    if (done > 0) format_duration(left, sizeof left, elapsed * double(total - done) / double(done));
    const int length = std::snprintf(buffer.data(), buffer.size(), "frame %lld/%lld, %s elapsed, %s left",
                                     static_cast<long long>(done), static_cast<long long>(total), spent, left);
    return {buffer.data(), std::min(buffer.size() - 1, std::size_t(std::max(length, 0)))};
}

void progress_line::show(std::int64_t done, double elapsed) {
    if (terminal_ == nullptr) return;
    if (done < total_ && shown_at_ >= 0 && elapsed - shown_at_ < seconds_between_lines) return;
    shown_at_ = elapsed;
    char buffer[120];
    const std::string_view text = progress_text(buffer, done, total_, elapsed);
    // Spaces wipe what is left of a longer line before.
    const int wipe = std::max(shown_length_ - int(text.size()), 0);
    std::fprintf(terminal_, "\r%.*s%*s", int(text.size()), text.data(), wipe, "");
    std::fflush(terminal_);
    shown_length_ = int(text.size());
}

void progress_line::end() {
    if (terminal_ == nullptr || shown_at_ < 0) return;
    std::fputc('\n', terminal_);
    std::fflush(terminal_);
    shown_at_ = -1;
    shown_length_ = 0;
}

}  // namespace quor
