#pragma once
// Runs the application's idle handler whenever the event queue is empty, in
// the main loop and in every nested one (modal dialogs). A handler that sets
// `done` false is called again at once, or after the delay it asks for; one
// that leaves it true (or throws) is not called again before the next event
// arrives. Nothing here spins: a delay is waited for in the event loop.

#include <QBasicTimer>
#include <QObject>

#include "shell/idle_handler.h"
#include "ui/wake_up_timer.h"

namespace quor {

class idle_adapter final : public QObject {
public:
    // Needs the application object; watches every event it delivers.
    explicit idle_adapter(idle_handler handler = {});
    ~idle_adapter() override;

    // Replaces the handler; the new one is called at the next idle turn.
    void set_handler(idle_handler handler);
    // True while the last call said done and no event has arrived since.
    bool waiting() const { return waiting_; }
    // True while a delay the last call asked for runs.
    bool delayed() const { return delay_.active(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void wake();
    void rest();

    idle_handler handler_;
    // A zero-interval timer fires once per turn of whichever loop is running,
    // after the events that were waiting.
    QBasicTimer turn_timer_;
    // Ends a delay with the next turn.
    wake_up_timer delay_{[this] { wake(); }};
    bool waiting_ = false;
    bool in_handler_ = false;
};

}  // namespace quor
