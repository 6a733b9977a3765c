#include "ui/wake_up_timer.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cmath>
#include <cstdint>

#if __has_include(<sys/timerfd.h>)
#include <sys/timerfd.h>
#include <unistd.h>
#define QUOR_HAVE_TIMERFD 1
#endif

namespace quor {

wake_up_timer::wake_up_timer(std::function<void()> wake, QObject* parent)
    : QObject(parent), wake_(std::move(wake)) {
#ifdef QUOR_HAVE_TIMERFD
    timer_fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timer_fd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(timer_fd_, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
            std::uint64_t expirations = 0;
            if (::read(timer_fd_, &expirations, sizeof expirations) != sizeof expirations) return;
            fire();
        });
    }
#endif
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, [this] { fire(); });
}

wake_up_timer::~wake_up_timer() {
    notifier_.reset();
#ifdef QUOR_HAVE_TIMERFD
    if (timer_fd_ >= 0) ::close(timer_fd_);
#endif
}

void wake_up_timer::start(double seconds) {
    active_ = true;
#ifdef QUOR_HAVE_TIMERFD
    if (timer_fd_ >= 0) {
        // At least a nanosecond: a zero time would disarm the timer.
        const auto nanoseconds = static_cast<std::int64_t>(std::max(1.0, std::min(seconds, 3600.0) * 1e9));
        itimerspec when{};
        when.it_value.tv_sec = static_cast<time_t>(nanoseconds / 1'000'000'000);
        when.it_value.tv_nsec = static_cast<long>(nanoseconds % 1'000'000'000);
        ::timerfd_settime(timer_fd_, 0, &when, nullptr);
        return;
    }
#endif
    // Never early: a frame woken before its slot would only ask to wait again.
    fallback_.start(static_cast<int>(std::ceil(std::max(0.0, std::min(seconds, 3600.0)) * 1000)));
}

void wake_up_timer::stop() {
    active_ = false;
#ifdef QUOR_HAVE_TIMERFD
    if (timer_fd_ >= 0) {
        const itimerspec disarmed{};
        ::timerfd_settime(timer_fd_, 0, &disarmed, nullptr);
    }
#endif
    fallback_.stop();
}

void wake_up_timer::fire() {
    if (!active_) return;
    active_ = false;
    if (wake_) wake_();
}

}  // namespace quor
