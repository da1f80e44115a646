#pragma once
// Ctrl-C (INT), TERM and a hang-up (HUP, the terminal closed) while quarrow-convert writes a
// file: the signal only marks the run interrupted and cuts short a read that waits for input, so
// that the conversion stops between blocks and the file written beside OUTPUT is removed; then
// the program ends by the signal, as it would have without it.

#include <atomic>

namespace korv::convert {

// From now on, the three signals mark the run interrupted.
void watch_interruptions();

// Set by the first of the signals that arrives.
const std::atomic<bool>& interrupted();

// Ends the program by the signal that interrupted it, if one did; returns otherwise.
void end_as_interrupted();

}  // namespace korv::convert
