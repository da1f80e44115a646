#include "stream_conversion.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "block_reader.h"

namespace korv::convert {
namespace {

// What all blocks under way may hold together, whatever the number of cores: input bytes, and
// lines (each line costs some hundred bytes of working memory while it is converted).
constexpr std::size_t kBytesUnderWay = 8 * 1024 * 1024;
constexpr std::size_t kLinesUnderWay = 96 * 1024;
constexpr std::size_t kSmallestBlockBytes = 16 * 1024;
constexpr std::size_t kLargestBlockBytes = 128 * 1024;
constexpr std::size_t kFewestBlockLines = 256;
constexpr std::size_t kMostBlockLines = 8192;

struct Slot {
    LineBlock block;
    bool done = false;
};

// The worker threads and the blocks between them and the thread that reads and writes.
class Workers {
public:
    Workers(const Conversion& conversion, const LineFormat& format, unsigned most)
        : conversion_(conversion), format_(format), most_(most) {}

    ~Workers() {
        {
            std::lock_guard lock(mutex_);
            closing_ = true;
        }
        work_ready_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    // Queues a block; a new worker starts when none waits for work and there is room for one.
    void add(Slot& slot) {
        {
            std::lock_guard lock(mutex_);
            slot.done = false;
            queue_.push_back(&slot);
            if (waiting_ == 0 && threads_.size() < most_) {
                threads_.emplace_back([this] { work(); });
            }
        }
        work_ready_.notify_one();
    }

    // Waits until the block is converted; an error when its conversion failed.
    std::optional<Error> wait(Slot& slot) {
        std::unique_lock lock(mutex_);
        block_done_.wait(lock, [&] { return slot.done; });
        return failure_;
    }

private:
    void work() {
        std::unique_lock lock(mutex_);
        while (true) {
            ++waiting_;
            work_ready_.wait(lock, [&] { return closing_ || !queue_.empty(); });
            --waiting_;
            if (queue_.empty()) {
                return;
            }
            Slot* slot = queue_.front();
            queue_.pop_front();
            lock.unlock();
            std::optional<Error> failure;
            try {
                slot->block.convert(conversion_, format_);
            } catch (const std::exception& exception) {
                failure = Error{ErrorCode::kConversionFailed, {exception.what()}};
            }
            lock.lock();
            if (failure && !failure_) {
                failure_ = failure;
            }
            slot->done = true;
            block_done_.notify_all();
        }
    }

    const Conversion& conversion_;
    const LineFormat format_;
    const unsigned most_;
    std::mutex mutex_;
    std::condition_variable work_ready_;
    std::condition_variable block_done_;
    std::deque<Slot*> queue_;
    std::vector<std::thread> threads_;
    unsigned waiting_ = 0;
    bool closing_ = false;
    std::optional<Error> failure_;
};

}  // namespace

Result<Summary> convert_stream(const Conversion& conversion, ByteSource& source, ByteSink& sink,
                               const StreamOptions& options) {
    const unsigned threads =
        options.threads != 0 ? options.threads : std::max(1U, std::thread::hardware_concurrency());
    // Two blocks a worker keep every core busy while the blocks before them are written. Typed
    // lines go one block at a time, so each is written before the next is waited for.
    const std::size_t block_count = 2 * static_cast<std::size_t>(threads) + 2;
    const std::size_t most_under_way = source.interactive() ? 1 : block_count;
    BlockReader reader(
        source, std::clamp(kBytesUnderWay / block_count, kSmallestBlockBytes, kLargestBlockBytes),
        std::clamp(kLinesUnderWay / block_count, kFewestBlockLines, kMostBlockLines));
    std::vector<std::unique_ptr<Slot>> slots;
    std::vector<Slot*> free_slots;
    std::deque<Slot*> under_way;  // in input order

    Summary summary;
    Progress progress;
    progress.total_bytes = source.size();
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t next_line = 1;
    bool input_left = true;
    bool skipped = false;  // a converted block was not written
    std::optional<Error> failure;
    auto cancelled = [&] { return options.cancel != nullptr && options.cancel->load(); };
    auto stopped = [&] { return failure || cancelled(); };

    // Declared last: its destructor stops the workers before the slots they use go.
    Workers workers(conversion, options.format, threads);
    while (true) {
        while (input_left && !stopped() && under_way.size() < most_under_way) {
            if (free_slots.empty()) {
                slots.push_back(std::make_unique<Slot>());
                free_slots.push_back(slots.back().get());
            }
            Slot* slot = free_slots.back();
            const Result<bool> filled = reader.fill(slot->block);
            if (!filled) {
                failure = Error{ErrorCode::kInputUnreadableDuringConversion, {}, filled.error()};
                break;
            }
            if (!*filled) {
                input_left = false;
                break;
            }
            free_slots.pop_back();
            slot->block.first_line = next_line;
            next_line += reader.line_count();
            under_way.push_back(slot);
            workers.add(*slot);
        }
        if (under_way.empty()) {
            break;
        }
        Slot* slot = under_way.front();
        under_way.pop_front();
        if (std::optional<Error> error = workers.wait(*slot)) {
            failure = failure ? failure : error;
        }
        free_slots.push_back(slot);
        if (stopped()) {
            skipped = true;  // the blocks under way are waited for, not written
            continue;
        }
        const LineBlock& block = slot->block;
        if (const Status written = sink.write(block.output()); !written) {
            failure = Error{ErrorCode::kOutputUnwritableDuringConversion, {}, written.error()};
            continue;
        }
        if (source.interactive()) {
            if (const Status flushed = sink.flush(); !flushed) {
                failure = Error{ErrorCode::kOutputUnwritableDuringConversion, {}, flushed.error()};
                continue;
            }
        }
        summary.lines += block.line_count;
        summary.points += block.point_count;
        summary.refused += block.refusals.size();
        for (const RefusedLine& refused : block.refusals) {
            if (summary.first_refusals.size() == Summary::kKeptRefusals) {
                break;
            }
            summary.first_refusals.push_back(refused);
        }
        if (options.refusals && !block.refusals.empty()) {
            options.refusals(block.refusals);
        }
        if (options.progress) {
            progress.lines = summary.lines;
            progress.points = summary.points;
            progress.refused = summary.refused;
            progress.bytes += block.input.size();
            progress.seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            options.progress(progress);
        }
    }
    if (failure) {
        return *failure;
    }
    summary.cancelled = input_left || skipped;
    return summary;
}

}  // namespace korv::convert
