#pragma once
// SIGTERM and SIGINT end the program the way its own kill button does: the
// signal only wakes the event loop, and the handler then runs there like any
// other event handler.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace quor {

class termination_signal final : public QObject {
public:
    // One at a time; the previous handlers come back on destruction.
    explicit termination_signal(std::function<void()> on_termination);
    ~termination_signal() override;
    termination_signal(const termination_signal&) = delete;
    termination_signal& operator=(const termination_signal&) = delete;

private:
    void received();

    std::function<void()> on_termination_;
    QSocketNotifier* notifier_ = nullptr;
    int pipe_[2] = {-1, -1};
};

}  // namespace quor
