#pragma once
// Runs a piece of a test in a forked child, so that the child can be killed or
// limited (file size) without touching the test process. The child reports a
// failure as text through a pipe; an empty report means it did all it checked.

#include <sys/resource.h>
#include <sys/wait.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace quor::testing {

struct child_outcome {
    bool killed = false;  // ended by SIGKILL
    std::string report;   // what the child said went wrong, or how it ended unexpectedly
};

// Writing past the soft file-size limit raises SIGXFSZ. With `die_there` the
// child kills itself with SIGKILL at that moment (a death at an exact byte of the
// write); without, the signal is ignored and the write fails as on a full disk.
inline void limit_file_size(rlim_t bytes, bool die_there) {
    if (die_there) {
        struct sigaction action = {};
        action.sa_handler = [](int) { ::kill(::getpid(), SIGKILL); };
        ::sigaction(SIGXFSZ, &action, nullptr);
    } else {
        ::signal(SIGXFSZ, SIG_IGN);
    }
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

inline void lift_file_size_limit() {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// Runs `body` in a child and returns how it ended. With `kill_after`, the parent
// sends SIGKILL that long after the child has started `body`.
inline child_outcome run_in_child(const std::function<std::string()>& body,
                                  std::optional<std::chrono::microseconds> kill_after = std::nullopt) {
    int report_pipe[2];
    int started_pipe[2];
    if (::pipe(report_pipe) != 0 || ::pipe(started_pipe) != 0) return {false, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report_pipe[0]);
        ::close(started_pipe[0]);
        const char started = 's';
        (void)!::write(started_pipe[1], &started, 1);
        std::string report;
        try {
            report = body();
        } catch (const std::exception& error) {
            report = std::string("unexpected exception: ") + error.what();
        }
        (void)!::write(report_pipe[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(report_pipe[1]);
    ::close(started_pipe[1]);
    if (child < 0) {
        ::close(report_pipe[0]);
        ::close(started_pipe[0]);
        return {false, "fork failed"};
    }
    char started = 0;
    (void)!::read(started_pipe[0], &started, 1);
    if (kill_after) {
        std::this_thread::sleep_for(*kill_after);
        ::kill(child, SIGKILL);
    }
    child_outcome outcome;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(report_pipe[0], buffer, sizeof buffer)) > 0) outcome.report.append(buffer, static_cast<std::size_t>(got));
    ::close(report_pipe[0]);
    ::close(started_pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) {
        outcome.killed = WTERMSIG(status) == SIGKILL;
        if (!outcome.killed) outcome.report += "child ended by signal " + std::to_string(WTERMSIG(status));
    } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        outcome.report += "child exited with " + std::to_string(WEXITSTATUS(status));
    }
    return outcome;
}

}  // namespace quor::testing
