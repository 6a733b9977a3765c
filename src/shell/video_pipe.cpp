#include "shell/video_pipe.h"

#include "platform/interruption.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

extern char** environ;

namespace quor {

namespace {

std::string last_line(int descriptor) {
    std::string text;
    char chunk[4096];
    ::lseek(descriptor, 0, SEEK_SET);
    ssize_t got = 0;
    while ((got = ::read(descriptor, chunk, sizeof chunk)) > 0) text.append(chunk, std::size_t(got));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    const std::size_t start = text.find_last_of("\r\n");
    return start == std::string::npos ? text : text.substr(start + 1);
}

}  // namespace

video_pipe::video_pipe(const std::vector<std::string>& command) : program_(command.at(0)) {
    // A program that stopped reading is an error to report, not the end of
    // this process: from here on writes to a closed pipe fail with EPIPE.
    ::signal(SIGPIPE, SIG_IGN);
    messages_ = ::memfd_create("video messages", MFD_CLOEXEC);
    if (messages_ < 0) throw video_error("no room for " + program_ + "'s messages: " + std::strerror(errno));
    int pipe_ends[2];
    if (::pipe2(pipe_ends, O_CLOEXEC) != 0) {
        ::close(messages_);
        throw video_error("no pipe to " + program_ + ": " + std::strerror(errno));
    }
    input_ = pipe_ends[1];

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, messages_, STDERR_FILENO);
    std::vector<char*> arguments;
    for (const std::string& argument : command) arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    const int spawned = ::posix_spawnp(&process_, program_.c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe_ends[0]);
    if (spawned != 0) {
        process_ = -1;
        ::close(input_);
        ::close(messages_);
        if (spawned == ENOENT)
            throw video_error(program_ + " was not found; videos are made by " + program_ +
                              " (Debian package ffmpeg): install it, or write a .gif or .png");
        throw video_error(program_ + " cannot be started: " + std::strerror(spawned));
    }
}

video_pipe::~video_pipe() {
    if (process_ > 0) {
        ::kill(process_, SIGKILL);
        end_process();
    }
    if (input_ >= 0) ::close(input_);
    if (messages_ >= 0) ::close(messages_);
}

void video_pipe::end_process() {
    if (input_ >= 0) {
        ::close(input_);
        input_ = -1;
    }
    int status = 0;
    while (::waitpid(process_, &status, 0) < 0 && errno == EINTR) {
        // Interrupted while the program finishes: it must not outlive us.
        if (interruption_watch::received() != 0) ::kill(process_, SIGKILL);
    }
    process_ = -1;
    exit_status_ = status;
}

void video_pipe::fail_with_last_line() {
    if (process_ > 0) end_process();
    std::string reason = last_line(messages_);
    if (reason.empty()) {
        reason = WIFEXITED(exit_status_) ? "exit status " + std::to_string(WEXITSTATUS(exit_status_))
                 : WIFSIGNALED(exit_status_) ? std::string("ended by signal ") + std::to_string(WTERMSIG(exit_status_))
                                             : "stopped";
    }
    throw video_error(program_ + " failed: " + reason);
}

void video_pipe::write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(input_, bytes.data(), bytes.size());
        if (written >= 0) {
            bytes = bytes.subspan(std::size_t(written));
        } else if (errno != EINTR) {
            interruption_watch::throw_if_interrupted();
            fail_with_last_line();
        }
        interruption_watch::throw_if_interrupted();
    }
}

void video_pipe::finish() {
    end_process();
    interruption_watch::throw_if_interrupted();
    if (!WIFEXITED(exit_status_) || WEXITSTATUS(exit_status_) != 0) fail_with_last_line();
}

}  // namespace quor
