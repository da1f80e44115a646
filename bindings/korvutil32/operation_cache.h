// A handful of engine operations kept for reuse. Creating an operation parses a definition and
// sets up series coefficients, which costs far more than converting a point with it; a caller
// converting point after point in the same coordinate system must not pay that on every call.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "proj_session.h"

namespace korvutil32 {

// Most recently used first; the least recently used entry makes room for a new one. Key needs
// operator==. Not synchronised: use it under the session lock.
template <typename Key>
class OperationCache {
public:
    explicit OperationCache(std::size_t capacity) : capacity_(capacity > 0 ? capacity : 1) {
        entries_.reserve(capacity_);
    }

    // The operation for key, created by make() (which returns a PjHandle) on a miss. Null when
    // make() fails; failures are not remembered, so a later call tries again.
    template <typename Make>
    PJ* find_or_create(const Key& key, Make&& make) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].key == key) {
                move_to_front(i);
                return entries_.front().operation.get();
            }
        }
        PjHandle made = std::forward<Make>(make)();
        if (!made) {
            return nullptr;
        }
        if (entries_.size() == capacity_) {
            entries_.pop_back();
        }
        entries_.insert(entries_.begin(), Entry{key, std::move(made)});
        return entries_.front().operation.get();
    }

    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        Key key;
        PjHandle operation;
    };

    void move_to_front(std::size_t index) {
        for (; index > 0; --index) {
            std::swap(entries_[index], entries_[index - 1]);
        }
    }

    std::size_t capacity_;
    std::vector<Entry> entries_;
};

}  // namespace korvutil32
