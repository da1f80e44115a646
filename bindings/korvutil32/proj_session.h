// The library's one private projection engine context: created on first use, silenced, and
// guarded by a mutex, since neither the context nor the operations made from it may be used by
// two threads at once.
#pragma once

#include <proj.h>

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace korvutil32 {

struct PjDeleter {
    void operator()(PJ* operation) const { proj_destroy(operation); }
};
using PjHandle = std::unique_ptr<PJ, PjDeleter>;

class ProjSession {
public:
    // The session, set up on the first call (thread-safe). It is never torn down, so a call made
    // while the process is shutting down still finds it intact.
    static ProjSession& instance();

    ProjSession(const ProjSession&) = delete;
    ProjSession& operator=(const ProjSession&) = delete;

    // Hold this lock around every use of the session and of the operations it created.
    std::unique_lock<std::mutex> lock() { return std::unique_lock<std::mutex>(mutex_); }

    // An operation from a "+proj=..." definition, or null when the engine refuses it.
    PjHandle create(const std::string& definition);

    // How many operations have been created so far; lets tests see that caching works.
    std::size_t operations_created() const { return operations_created_; }

private:
    ProjSession();
    ~ProjSession() = default;

    std::mutex mutex_;
    PJ_CONTEXT* context_ = nullptr;
    std::size_t operations_created_ = 0;
};

// Runs one coordinate through an operation. Nothing when the engine reports a failure, which it
// does by returning infinite coordinates (its error number is not cleared by later successes, so
// it cannot be relied on).
std::optional<PJ_COORD> transform(PJ* operation, PJ_DIRECTION direction, PJ_COORD coordinate);

}  // namespace korvutil32
