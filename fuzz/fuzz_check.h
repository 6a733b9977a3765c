#pragma once
// A broken promise found while fuzzing: print what was expected and abort, so
// libFuzzer keeps the input that caused it.

#include <cstdio>
#include <cstdlib>

#define QUOR_FUZZ_CHECK(condition)                                                              \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: expected %s\n", __FILE__, __LINE__, #condition);      \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)
