#pragma once
// Start-up goes on whatever fails: each step runs on its own, and a step that throws is skipped.

#include <exception>
#include <utility>

namespace korv {

template <typename Step>
void run_startup_step(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
        // Skipped: start-up never stops, and the dialog shows whatever the earlier steps set up.
    }
}

}  // namespace korv
