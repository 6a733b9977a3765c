#include "platform/tick_clock.h"

#include <thread>

namespace quor {

std::int64_t steady_tick_clock::now()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

void steady_tick_clock::sleep_for(std::chrono::nanoseconds duration)
{
    std::this_thread::sleep_for(duration);
}

}  // namespace quor
