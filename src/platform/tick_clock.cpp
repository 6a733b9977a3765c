#include "platform/tick_clock.h"

#include <chrono>

namespace quor {

std::int64_t steady_tick_clock::now()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace quor
