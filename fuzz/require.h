#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the run on a broken property, so that the fuzzer keeps the input as a crash. assert() would vanish
// from the optimised builds the fuzzers run in.
#define FUZZ_REQUIRE(condition)                                                                                        \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);                      \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
