#include "terminal_progress.h"

#include <cmath>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace korv::convert {
namespace {

constexpr double kFirstShownAfter = 0.5;  // seconds
constexpr double kShownEvery = 0.25;

std::string duration_text(double seconds) {
    const auto whole = static_cast<long long>(std::ceil(seconds));
    const std::string secs = std::to_string(whole % 60);
    return std::to_string(whole / 60) + ":" + (secs.size() < 2 ? "0" : "") + secs;
}

}  // namespace

bool is_terminal(std::FILE* stream) {
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

void TerminalProgress::show(const Progress& progress) {
    if (!enabled_ || progress.seconds < kFirstShownAfter ||
        progress.seconds - shown_at_ < kShownEvery) {
        return;
    }
    shown_at_ = progress.seconds;
    const double rate = static_cast<double>(progress.points) / progress.seconds;
    std::string line = "quarrow-convert: " + std::to_string(progress.points) + " points, " +
                       std::to_string(std::llround(rate)) + " points/s";
    if (progress.total_bytes && progress.bytes > 0 && *progress.total_bytes >= progress.bytes) {
        const double bytes_per_second = static_cast<double>(progress.bytes) / progress.seconds;
        line += ", " +
                duration_text(static_cast<double>(*progress.total_bytes - progress.bytes) /
                              bytes_per_second) +
                " left";
    }
    const std::size_t length = line.size();
    if (length < shown_length_) {
        line.append(shown_length_ - length, ' ');
    }
    line += '\r';
    std::fwrite(line.data(), 1, line.size(), stderr);
    shown_length_ = length;
}

void TerminalProgress::message(std::string_view text) {
    clear();
    std::fwrite(text.data(), 1, text.size(), stderr);
}

void TerminalProgress::clear() {
    if (shown_length_ > 0) {
        const std::string blank = std::string(shown_length_, ' ') + '\r';
        std::fwrite(blank.data(), 1, blank.size(), stderr);
        shown_length_ = 0;
    }
}

}  // namespace korv::convert
