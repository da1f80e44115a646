#pragma once
// Progress of a long conversion on the terminal: one status line on standard error (points done,
// rate, time left), rewritten in place and cleared before other messages and at the end.

#include <cstdio>
#include <string>
#include <string_view>

#include "stream_conversion.h"

namespace korv::convert {

// True when the stream is a terminal a person watches.
bool is_terminal(std::FILE* stream);

class TerminalProgress {
public:
    // Shows nothing unless `enabled`.
    explicit TerminalProgress(bool enabled) : enabled_(enabled) {}
    ~TerminalProgress() { clear(); }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    // Updates the status line, a few times a second at most and only once the conversion has
    // run for a moment, so short ones show none.
    void show(const Progress& progress);
    // Writes messages to standard error below the status line.
    void message(std::string_view text);

private:
    void clear();

    bool enabled_;
    double shown_at_ = 0;
    std::size_t shown_length_ = 0;
};

}  // namespace korv::convert
