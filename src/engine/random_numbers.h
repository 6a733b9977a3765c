#pragma once
// The ring engine's random numbers: a shuffled uniform generator (`ran1`),
// normal deviates, a signed power and a random sign.

#include <array>
#include <cstdint>

#include "engine/uniform_random.h"

namespace quor {

// The value a `ran1` table slot holds for the generator states ix1, ix2, kept
// below 1.0: at ix1 = 259199 with a large ix2 the scale factors would give
// slightly more than 1.
double ran1_deviate(std::int32_t ix1, std::int32_t ix2);

// Signed power: base^exponent for base > 0; 0 for base 0 (any exponent); for a
// negative base |base|^exponent, negated when the exponent rounded half to even is odd.
double power(double base, double exponent);

class random_numbers {
public:
    // Module initialisation: the start seed of `ran1` is -uniform(256), then one
    // uniform(65535) is drawn and discarded. `uniform` must outlive this object;
    // `random_sign` draws on it.
    explicit random_numbers(uniform_random& uniform);

    // Uniform in [0, 1). The first call fills the shuffle table.
    double ran1();
    // Normal, mean 0 and spread 1, by the polar method; values come in pairs.
    double gauss_deviate();
    double gauss(double mean, double spread) { return gauss_deviate() * spread + mean; }
    // +1 or -1, from bit 8 of uniform(1024).
    std::int32_t random_sign();

    // The start seed until the first `ran1`, then 1.
    std::int32_t seed() const { return seed_; }

private:
    void fill_shuffle_table();
    void step_ix1() { ix1_ = (7141 * ix1_ + 54773) % 259200; }
    void step_ix2() { ix2_ = (8121 * ix2_ + 28411) % 134456; }
    void step_ix3() { ix3_ = (4561 * ix3_ + 51349) % 243000; }

    uniform_random& uniform_;
    std::int32_t seed_;
    bool table_filled_ = false;
    std::int32_t ix1_ = 0;
    std::int32_t ix2_ = 0;
    std::int32_t ix3_ = 0;
    std::array<double, 98> shuffle_table_{};  // slots 1..97; slot 0 unused
    bool have_spare_ = false;
    double spare_ = 0.0;
};

// The two generators in their start-up order: `uniform` is seeded first, then
// `numbers` takes its start seed from it.
struct random_generators {
    explicit random_generators(std::uint32_t uniform_seed = current_time_of_day_seed())
        : uniform(uniform_seed), numbers(uniform) {}
    random_generators(const random_generators&) = delete;
    random_generators& operator=(const random_generators&) = delete;

    uniform_random uniform;
    random_numbers numbers;
};

}  // namespace quor
