#pragma once

// What a fuzz target does when a reader breaks a rule: it stops the process
// with a message, and libFuzzer keeps the input that did it.

#include <cstdio>
#include <cstdlib>

#define ORVENDA_FUZZ_CHECK(condition)                                                                        \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #condition);                \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
