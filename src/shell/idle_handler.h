#pragma once
// The application's idle handler: called whenever the event queue is empty.
// It sets `done` to true when the loop may wait for the next event, and
// leaves it false to be called again at once.

#include <functional>

namespace quor {

using idle_handler = std::function<void(bool& done)>;

}  // namespace quor
