#pragma once
// One operation of the projection engine, made from its text definition and usable from any
// thread. The engine's objects may not be shared between threads, so each thread that converts
// through an operation gets its own copy, made on first use and kept in a small per-thread cache;
// the operation itself is an immutable value that is cheap to copy.

#include <proj.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "points.h"
#include "result.h"

namespace korv::geodesy {

class ProjOperation {
public:
    // The operation for `definition` ("+proj=..."); an error when the engine refuses it.
    static Result<ProjOperation> create(std::string definition);

    // Runs one coordinate through the operation. Nothing when the engine reports a failure, which
    // it does by returning infinite coordinates.
    std::optional<PJ_COORD> transform(PJ_DIRECTION direction, PJ_COORD coordinate) const;

    // Runs the points through the operation in place, their heights too when `with_heights`
    // (otherwise the engine takes 0 and the heights stay). A point the engine cannot convert
    // comes back infinite, and so does one given with an infinite coordinate. False when the
    // operation cannot be made on this thread.
    bool transform_all(PJ_DIRECTION direction, std::span<PointCoordinates> points,
                       bool with_heights) const;

    const std::string& definition() const { return shared_->definition; }

    // How many engine objects this thread has made so far; lets tests see that caching works.
    static std::size_t objects_made_on_this_thread();

private:
    struct Shared {
        std::string definition;
        std::size_t hash;
        std::uint64_t id;  // unique to this operation, so a thread finds its object at once
    };
    explicit ProjOperation(std::shared_ptr<const Shared> shared) : shared_(std::move(shared)) {}
    PJ* object() const;

    std::shared_ptr<const Shared> shared_;
};

}  // namespace korv::geodesy
