#include "platform/interruption.h"

#include <signal.h>
#include <unistd.h>

#include <cstdlib>

namespace quor {

namespace {

volatile sig_atomic_t received_signal = 0;
struct sigaction previous_interrupt {};
struct sigaction previous_terminate {};

void note_signal(int signal) { received_signal = signal; }

}  // namespace

interruption_watch::interruption_watch() {
    received_signal = 0;
    struct sigaction action {};
    action.sa_handler = note_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a blocked write returns
    sigaction(SIGINT, &action, &previous_interrupt);
    sigaction(SIGTERM, &action, &previous_terminate);
}

interruption_watch::~interruption_watch() {
    sigaction(SIGINT, &previous_interrupt, nullptr);
    sigaction(SIGTERM, &previous_terminate, nullptr);
}

int interruption_watch::received() { return received_signal; }

void interruption_watch::throw_if_interrupted() {
    if (const int signal = received_signal) throw interrupted(signal);
}

void end_by_signal(int signal) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    std::_Exit(128 + signal);
}

}  // namespace quor
