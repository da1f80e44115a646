#pragma once
// Converting a whole stream of point lines: read in blocks, converted by one worker thread per
// core, written in the input's order. Memory stays bounded whatever the input's size: only a
// fixed number of blocks of bounded size are under way at once. A program runs it on any thread
// it likes (a window on a thread of its own) and learns of progress and refused lines through
// callbacks on that thread; it can stop it from any thread.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "conversion.h"
#include "line_block.h"
#include "result.h"

namespace korv::convert {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes into `buffer`: how many were read, 0 only at the end of the input,
    // or an error.
    virtual Result<std::size_t> read(char* buffer, std::size_t size) = 0;
    // The input's whole size when it is known beforehand, for the time left.
    virtual std::optional<std::uint64_t> size() const { return std::nullopt; }
    // True when lines arrive as someone types them: each is converted and written at once.
    virtual bool interactive() const { return false; }
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all of `bytes`, or tells why it cannot.
    virtual Status write(std::string_view bytes) = 0;
    // Passes what was written on at once (to a terminal or a pipe).
    virtual Status flush() { return kSuccess; }
};

struct Progress {
    std::uint64_t lines = 0;
    std::uint64_t points = 0;
    std::uint64_t refused = 0;
    std::uint64_t bytes = 0;                   // of the input, converted and written
    std::optional<std::uint64_t> total_bytes;  // the input's size, when known
    double seconds = 0;                        // since the conversion began
};

struct Summary {
    std::uint64_t lines = 0;
    std::uint64_t points = 0;  // lines that hold a point, converted or refused
    std::uint64_t refused = 0;
    static constexpr std::size_t kKeptRefusals = 10;
    std::vector<RefusedLine> first_refusals;  // at most kKeptRefusals
    bool cancelled = false;
};

struct StreamOptions {
    LineFormat format;
    // Called after each block is written, on the thread that runs the conversion.
    std::function<void(const Progress&)> progress;
    // Given the refused lines of each block, in input order, on the thread that runs the
    // conversion.
    std::function<void(std::span<const RefusedLine>)> refusals;
    // Set from any thread, or a signal handler, to stop: the conversion then ends without
    // writing more, its summary marked cancelled.
    const std::atomic<bool>* cancel = nullptr;
    // Worker threads; 0 for one per core. Workers start only as blocks wait for them, so a short
    // input uses one.
    unsigned threads = 0;
};

// Converts every line of `source` and writes the results to `sink`, one line for each, in order.
// An error when the source cannot be read or the sink written; what was written until then
// stays written.
Result<Summary> convert_stream(const Conversion& conversion, ByteSource& source, ByteSink& sink,
                               const StreamOptions& options);

}  // namespace korv::convert
