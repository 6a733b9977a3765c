#pragma once
// The application's idle handler: called whenever the event queue is empty.
// `done` comes in true: left true, the loop waits for the next event; set
// false, the handler is called again at once.

#include <functional>

namespace quor {

using idle_handler = std::function<void(bool& done)>;

}  // namespace quor
