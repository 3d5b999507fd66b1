// A broken promise found while fuzzing: said on stderr, then abort(), which
// libFuzzer records as a crash (with the input) and CTest as a failure.
#pragma once

#include <cstdio>
#include <cstdlib>

#define KOLVIRA_FUZZ_CHECK(condition, what)                                                        \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: fuzz check failed: %s (%s)\n", __FILE__, __LINE__, what,  \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
