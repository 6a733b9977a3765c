#pragma once
// A ratio of two pieces of work timed round by round in the same run: the
// machine is shared, and the median of the rounds shrugs off those another
// program disturbed.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace quor::bench {

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

inline double seconds_of(auto&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times `measured` and then `reference` once in every round of `state`, and
// reports the quotient of their median times as the counter `name`.
inline void report_ratio(benchmark::State& state, const char* name, auto&& measured, auto&& reference) {
    std::vector<double> measured_seconds;
    std::vector<double> reference_seconds;
    for (auto _ : state) {
        measured_seconds.push_back(seconds_of(measured));
        reference_seconds.push_back(seconds_of(reference));
    }
    state.counters[name] = median(measured_seconds) / median(reference_seconds);
}

}  // namespace quor::bench
