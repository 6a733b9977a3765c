#include "ui/termination_signal.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace quor {

namespace {

int write_end = -1;
struct sigaction previous_term {};
struct sigaction previous_interrupt {};

// Only what is safe inside a signal handler: one write to a pipe.
extern "C" void on_signal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(write_end, &byte, 1);
}

}  // namespace

termination_signal::termination_signal(std::function<void()> on_termination)
    : on_termination_(std::move(on_termination)) {
    if (::pipe(pipe_) != 0) return;
    for (int end : pipe_) ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    write_end = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &termination_signal::received);

    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previous_term);
    ::sigaction(SIGINT, &action, &previous_interrupt);
}

termination_signal::~termination_signal() {
    if (pipe_[0] < 0) return;
    ::sigaction(SIGTERM, &previous_term, nullptr);
    ::sigaction(SIGINT, &previous_interrupt, nullptr);
    write_end = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void termination_signal::received() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (on_termination_) on_termination_();
}

}  // namespace quor
