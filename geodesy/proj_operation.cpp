#include "proj_operation.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <vector>

namespace korv::geodesy {
namespace {

// The engine writes its diagnostics through the context's log function, which by default prints
// to stderr. The core reports failures through its results only, so the log goes nowhere.
void discard_log(void* /*user_data*/, int /*level*/, const char* /*message*/) {}

struct PjDeleter {
    void operator()(PJ* object) const { proj_destroy(object); }
};
using PjHandle = std::unique_ptr<PJ, PjDeleter>;

// Enough for a source and a map coordinate system and the datum shifts between them, in both
// directions, with room to spare; the least recently used object makes room for a new one.
constexpr std::size_t kObjectsPerThread = 16;

// This thread's engine context and the objects made from it, most recently used first.
class ThreadObjects {
public:
    ThreadObjects() : context_(proj_context_create()) {
        if (context_ != nullptr) {
            proj_log_func(context_, nullptr, discard_log);
            proj_log_level(context_, PJ_LOG_NONE);
            // Every operation is defined by explicit numbers; nothing may come from a network.
            proj_context_set_enable_network(context_, 0);
        }
    }
    ~ThreadObjects() {
        entries_.clear();  // the objects go before the context they were made in
        if (context_ != nullptr) {
            proj_context_destroy(context_);
        }
    }
    ThreadObjects(const ThreadObjects&) = delete;
    ThreadObjects& operator=(const ThreadObjects&) = delete;

    // The object made for this operation, or for another operation with the same definition,
    // which it then takes over.
    PJ* find_or_make(const std::string& definition, std::size_t hash, std::uint64_t id) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            Entry& entry = entries_[i];
            if (entry.id == id || (entry.hash == hash && entry.definition == definition)) {
                entry.id = id;
                std::rotate(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(i),
                            entries_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
                return entries_.front().object.get();
            }
        }
        if (context_ == nullptr) {
            return nullptr;
        }
        PjHandle made(proj_create(context_, definition.c_str()));
        if (!made) {
            return nullptr;
        }
        ++made_;
        if (entries_.size() == kObjectsPerThread) {
            entries_.pop_back();
        }
        entries_.insert(entries_.begin(), Entry{definition, hash, id, std::move(made)});
        return entries_.front().object.get();
    }

    std::size_t made() const { return made_; }

private:
    struct Entry {
        std::string definition;
        std::size_t hash;
        std::uint64_t id;
        PjHandle object;
    };
    PJ_CONTEXT* context_;
    std::vector<Entry> entries_;
    std::size_t made_ = 0;
};

ThreadObjects& thread_objects() {
    thread_local ThreadObjects objects;
    return objects;
}

}  // namespace

Result<ProjOperation> ProjOperation::create(std::string definition) {
    static std::atomic<std::uint64_t> last_id{0};
    const std::size_t hash = std::hash<std::string>{}(definition);
    auto shared = std::make_shared<const Shared>(Shared{std::move(definition), hash, ++last_id});
    ProjOperation operation(std::move(shared));
    if (operation.object() == nullptr) {
        return Error{ErrorCode::kEngineRefusesDefinition, {operation.definition()}};
    }
    return operation;
}

PJ* ProjOperation::object() const {
    return thread_objects().find_or_make(shared_->definition, shared_->hash, shared_->id);
}

std::optional<PJ_COORD> ProjOperation::transform(PJ_DIRECTION direction,
                                                 PJ_COORD coordinate) const {
    PJ* pj = object();
    if (pj == nullptr) {
        return std::nullopt;
    }
    // The engine's error number is not cleared by later successes, so the result itself tells.
    const PJ_COORD result = proj_trans(pj, direction, coordinate);
    if (!std::isfinite(result.v[0]) || !std::isfinite(result.v[1]) || !std::isfinite(result.v[2])) {
        return std::nullopt;
    }
    return result;
}

bool ProjOperation::transform_all(PJ_DIRECTION direction, std::span<PointCoordinates> points,
                                  bool with_heights) const {
    PJ* pj = object();
    if (pj == nullptr) {
        return false;
    }
    if (points.empty()) {
        return true;
    }
    // Strided over the points where they lie, so nothing is copied to the engine's own type.
    constexpr std::size_t kStride = sizeof(PointCoordinates);
    const std::size_t count = points.size();
    PointCoordinates& first = points.front();
    proj_trans_generic(pj, direction, &first.x, kStride, count, &first.y, kStride, count,
                       with_heights ? &first.height : nullptr, kStride, with_heights ? count : 0,
                       nullptr, 0, 0);
    return true;
}

std::size_t ProjOperation::objects_made_on_this_thread() {
    return thread_objects().made();
}

}  // namespace korv::geodesy
