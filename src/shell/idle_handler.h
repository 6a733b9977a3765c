#pragma once
// The application's idle handler: called whenever the event queue is empty.
// It says when it wants to be called again: after the next event (`done`, as
// it comes in), at once, or after a delay, during which events are handled
// but do not call it.

#include <functional>

namespace quor {

struct idle_turn {
    bool done = true;             // true: wait for the next event
    double delay_seconds = 0.0;   // when not done: seconds before the next call, 0 for at once
};

using idle_handler = std::function<void(idle_turn& turn)>;

}  // namespace quor
