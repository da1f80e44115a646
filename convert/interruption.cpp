#include "interruption.h"

#include <csignal>

namespace korv::convert {
namespace {

static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);
std::atomic<bool> interrupted_flag{false};
std::atomic<int> interrupting_signal{0};

extern "C" void on_interrupt(int signal) {
    interrupting_signal = signal;
    interrupted_flag = true;
}

void watch(int signal) {
#ifdef _WIN32
    std::signal(signal, on_interrupt);
#else
    // Without SA_RESTART: a read waiting for a pipe or terminal returns, so the run ends now.
    struct sigaction action {};
    action.sa_handler = on_interrupt;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
#endif
}

}  // namespace

void watch_interruptions() {
    watch(SIGINT);
    watch(SIGTERM);
#ifdef SIGHUP
    watch(SIGHUP);
#endif
}

const std::atomic<bool>& interrupted() {
    return interrupted_flag;
}

void end_as_interrupted() {
    if (const int signal = interrupting_signal.load(); signal != 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

}  // namespace korv::convert
