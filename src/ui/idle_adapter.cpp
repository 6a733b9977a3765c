#include "ui/idle_adapter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimerEvent>

#include "shell/flag_guard.h"

namespace quor {

namespace {

// Painting what a frame drew is not news: were it to wake the loop, a handler
// that asks to wait would run again after every frame it presents.
bool wakes_the_loop(QEvent::Type type) {
    switch (type) {
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
        return false;
    default:
        return true;
    }
}

}  // namespace

idle_adapter::idle_adapter(idle_handler handler) : handler_(std::move(handler)) {
    QCoreApplication::instance()->installEventFilter(this);
    turn_timer_.start(0, this);
}

idle_adapter::~idle_adapter() {
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

void idle_adapter::set_handler(idle_handler handler) {
    handler_ = std::move(handler);
    wake();
}

void idle_adapter::wake() {
    waiting_ = false;
    delay_.stop();
    if (!turn_timer_.isActive()) turn_timer_.start(0, this);
}

bool idle_adapter::eventFilter(QObject* watched, QEvent* event) {
    if (waiting_ && wakes_the_loop(event->type())) wake();
    return QObject::eventFilter(watched, event);
}

void idle_adapter::rest() {
    turn_timer_.stop();
    delay_.stop();
    waiting_ = true;
}

void idle_adapter::timerEvent(QTimerEvent* event) {
    if (event->timerId() != turn_timer_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    // A handler that opens a nested loop is not called again from inside it;
    // the timer starts again when it returns.
    if (in_handler_) {
        turn_timer_.stop();
        return;
    }
    // As the flag starts true, a handler that says nothing, or throws, waits.
    idle_turn turn;
    if (handler_) {
        flag_guard running(in_handler_);
        try {
            handler_(turn);
        } catch (...) {
            rest();
            throw;
        }
    }
    if (turn.done) {
        rest();
    } else if (turn.delay_seconds > 0.0) {
        // Events are handled meanwhile, but only the delay's end calls again.
        turn_timer_.stop();
        waiting_ = false;
        delay_.start(turn.delay_seconds);
    } else {
        wake();
    }
}

}  // namespace quor
