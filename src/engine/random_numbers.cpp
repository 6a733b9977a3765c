#include "engine/random_numbers.h"

#include <cmath>

#include "engine/rounding.h"

namespace quor {

double ran1_deviate(std::int32_t ix1, std::int32_t ix2)
{
    const double deviate = (ix1 + ix2 * 7.4373773e-6) * 3.8580247e-6;
    return deviate < 1.0 ? deviate : std::nextafter(1.0, 0.0);
}

double power(double base, double exponent)
{
    if (base > 0.0)
        return std::exp(exponent * std::log(base));
    if (base == 0.0)
        return 0.0;
    const double magnitude = std::exp(exponent * std::log(-base));
    const bool odd = std::fmod(round_half_even(exponent), 2.0) != 0.0;
    return odd ? -magnitude : magnitude;
}

random_numbers::random_numbers(uniform_random& uniform)
    : uniform_(uniform), seed_(-uniform.next(256))
{
    uniform_.next(65535);
}

void random_numbers::fill_shuffle_table()
{
    // The start seed is 0..-255 here, so every state stays non-negative.
    ix1_ = (54773 - seed_) % 259200;
    step_ix1();
    ix2_ = ix1_ % 134456;
    step_ix1();
    ix3_ = ix1_ % 243000;
    for (int slot = 1; slot <= 97; ++slot) {
        step_ix1();
        step_ix2();
        shuffle_table_[slot] = ran1_deviate(ix1_, ix2_);
    }
    seed_ = 1;
    table_filled_ = true;
}

double random_numbers::ran1()
{
    if (!table_filled_)
        fill_shuffle_table();
    step_ix1();
    step_ix2();
    step_ix3();
    const int slot = 1 + (97 * ix3_) / 243000;
    const double result = shuffle_table_[slot];
    shuffle_table_[slot] = ran1_deviate(ix1_, ix2_);
    return result;
}

double random_numbers::gauss_deviate()
{
    if (have_spare_) {
        have_spare_ = false;
        return spare_;
    }
    double x = 0.0;
    double y = 0.0;
    double radius_squared = 0.0;
    do {
        x = 2.0 * ran1() - 1.0;
        y = 2.0 * ran1() - 1.0;
        radius_squared = x * x + y * y;
    } while (!(radius_squared > 0.0 && radius_squared < 1.0));
    const double factor = std::sqrt(-2.0 * std::log(radius_squared) / radius_squared);
    spare_ = x * factor;
    have_spare_ = true;
    return y * factor;
}

std::int32_t random_numbers::random_sign()
{
    return (uniform_.next(1024) & 8) != 0 ? 1 : -1;
}

}  // namespace quor
