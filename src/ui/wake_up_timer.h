#pragma once
// A single-shot wake-up after a delay, as precise as the system's timers
// (tens of microseconds), where the event loop's own timers count whole
// milliseconds: a frame slot of 16.7 ms is met without sleeping or spinning
// inside the frame. It works in every loop that runs, nested ones included.

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace quor {

class wake_up_timer final : public QObject {
public:
    explicit wake_up_timer(std::function<void()> wake, QObject* parent = nullptr);
    ~wake_up_timer() override;

    // Replaces any wake-up still to come.
    void start(double seconds);
    void stop();
    bool active() const { return active_; }

private:
    void fire();

    std::function<void()> wake_;
    int timer_fd_ = -1;                          // a Linux timerfd; -1 where there is none
    std::unique_ptr<QSocketNotifier> notifier_;  // on timer_fd_
    QTimer fallback_;                            // whole milliseconds, where there is no timerfd
    bool active_ = false;
};

}  // namespace quor
