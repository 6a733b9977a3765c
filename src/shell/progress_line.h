#pragma once
// How far a long job on the command line has come, as one line on a terminal
// that is rewritten in place: "frame 120/300, 0:02 elapsed, 0:03 left".

#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>

namespace quor {

// The line's text for `done` of `total` frames after `elapsed` seconds, written
// into `buffer` (cut short when it is too small); the time left is guessed
// from the pace so far.
std::string_view progress_text(std::span<char> buffer, std::int64_t done, std::int64_t total, double elapsed);

class progress_line {
public:
    // Says nothing when `terminal` is null.
    progress_line(std::FILE* terminal, std::int64_t total) : terminal_(terminal), total_(total) {}

    // At most ten times a second, and always when the last frame is done.
    void show(std::int64_t done, double elapsed);
    // Ends the line, when one was shown, so that what follows starts afresh.
    void end();

private:
    std::FILE* terminal_;
    std::int64_t total_;
    double shown_at_ = -1;  // seconds; none shown yet
    int shown_length_ = 0;
};

}  // namespace quor
