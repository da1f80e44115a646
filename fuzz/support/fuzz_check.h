#pragma once
// What a fuzz target asserts. A broken promise prints what broke and aborts, so libFuzzer stops
// and keeps the input that broke it as a crash file.

#include <cstdio>
#include <cstdlib>
#include <string>

// Aborts with the promise's text and place when `condition` does not hold.
#define KORV_FUZZ_REQUIRE(condition, promise)                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: broken promise: %s (%s)\n", __FILE__, __LINE__, promise, \
                         #condition);                                                             \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

// As KORV_FUZZ_REQUIRE for two texts that must be equal; prints both when they are not.
#define KORV_FUZZ_REQUIRE_SAME(text, expected, promise)                                      \
    do {                                                                                     \
        const std::string korv_text_(text);                                                  \
        const std::string korv_expected_(expected);                                          \
        if (korv_text_ != korv_expected_) {                                                  \
            std::fprintf(stderr, "got:      \"%s\"\nexpected: \"%s\"\n", korv_text_.c_str(), \
                         korv_expected_.c_str());                                            \
        }                                                                                    \
        KORV_FUZZ_REQUIRE(korv_text_ == korv_expected_, promise);                            \
    } while (false)
