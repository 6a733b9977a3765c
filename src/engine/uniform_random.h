#pragma once
// Random(n), the program's one shared uniform generator.

#include <chrono>
#include <cstdint>

namespace quor {

// A 32-bit linear congruential generator scaled to 0..n-1 through the upper
// half of a 64-bit product. Every draw advances the seed exactly once, so the
// order of draws fixes every later number.
class uniform_random {
public:
    explicit uniform_random(std::uint32_t seed = 0) : seed_(seed) {}

    // An integer 0..n-1. For n <= 0 the seed still advances and the result is 0.
    std::int32_t next(std::int32_t n);
    std::int32_t operator()(std::int32_t n) { return next(n); }

    std::uint32_t seed() const { return seed_; }
    void set_seed(std::uint32_t seed) { seed_ = seed; }

private:
    std::uint32_t seed_;
};

// Milliseconds since midnight UTC of `time`: the start-up seed of the
// shared generator, ((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds.
std::uint32_t time_of_day_seed(std::chrono::system_clock::time_point time);
std::uint32_t current_time_of_day_seed();

}  // namespace quor
