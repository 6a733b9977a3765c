#pragma once
// A video encoder program (ffmpeg) fed raw frames on its standard input. What
// it says on standard error is kept in an anonymous file, never in a pipe that
// could fill up and stall both sides, and its last line explains a failure.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <sys/types.h>
#include <vector>

namespace quor {

// Says what went wrong in the program's own words where there are some.
class video_error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class video_pipe {
public:
    // Starts `command` (the program, found on PATH, and its arguments). Throws
    // video_error when the program is not there or cannot start.
    explicit video_pipe(const std::vector<std::string>& command);
    // Unfinished, the program is killed and waited for: nothing it writes
    // outlives the pipe.
    ~video_pipe();
    video_pipe(const video_pipe&) = delete;
    video_pipe& operator=(const video_pipe&) = delete;

    // All of `bytes`, however long the program takes to read them. Throws
    // video_error when the program has stopped reading, and `interrupted`
    // when SIGINT or SIGTERM came meanwhile.
    void write(std::span<const std::uint8_t> bytes);
    // Ends the input and waits for the program. Throws video_error unless it
    // exited with 0.
    void finish();

private:
    [[noreturn]] void fail_with_last_line();
    void end_process();

    std::string program_;
    pid_t process_ = -1;
    int input_ = -1;       // the write end of the program's standard input
    int messages_ = -1;    // what it writes on standard error
    int exit_status_ = 0;  // as waitpid gives it
};

}  // namespace quor
