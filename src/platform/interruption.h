#pragma once
// SIGINT and SIGTERM for a job on the command line: the handler only notes the
// signal, so that the job stops between two steps and cleans up on its way out
// as after any failure; then the process ends by the signal, as its caller
// expects. Blocking calls are not restarted: they fail with EINTR, and the
// caller looks here.

#include <stdexcept>

namespace quor {

// Thrown by throw_if_interrupted; carries the signal.
class interrupted : public std::runtime_error {
public:
    explicit interrupted(int signal) : std::runtime_error("interrupted"), signal_(signal) {}
    int signal() const { return signal_; }

private:
    int signal_;
};

class interruption_watch {
public:
    // One at a time; the previous handlers come back on destruction.
    interruption_watch();
    ~interruption_watch();
    interruption_watch(const interruption_watch&) = delete;
    interruption_watch& operator=(const interruption_watch&) = delete;

    // The signal received since the watch began, 0 for none.
    static int received();
    static void throw_if_interrupted();
};

// Ends the process by `signal` with its default action.
[[noreturn]] void end_by_signal(int signal);

}  // namespace quor
