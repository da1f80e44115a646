// The core's coordinate systems and datum transformations, made once per thread from the blocks
// and workspaces callers pass and reused while they convert point after point with the same ones:
// making one parses an engine definition, which costs far more than converting a point.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "korvutil32_layout.h"
#include "result.h"

namespace korvutil32 {

// What a made value depends on, compared byte for byte (so a NaN matches itself).
template <std::size_t Size>
using CacheKey = std::array<unsigned char, Size>;

// The block's defining elements (its display-only figures aside) and the zone.
using SystemKey = CacheKey<(constants::kZoneWidth + 1) * sizeof(double) + sizeof(int32_t)>;
SystemKey system_key(const double* block, int32_t zone);

// The whole workspace and the codes of the two spheroids.
using TransformationKey = CacheKey<kWorkspaceSize * sizeof(double) + 2 * sizeof(int32_t)>;
TransformationKey transformation_key(const double* workspace, int32_t from_spheroid,
                                     int32_t to_spheroid);

// Most recently used first; the least recently used entry makes room for a new one. Failures are
// kept too: the same block fails the same way every time.
template <typename Value, typename Key>
class ConversionCache {
public:
    static constexpr std::size_t kCapacity = 8;

    template <typename Make>
    const korv::Result<Value>& find_or_make(const Key& key, Make&& make) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].key == key) {
                std::rotate(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(i),
                            entries_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
                return entries_.front().value;
            }
        }
        if (entries_.size() == kCapacity) {
            entries_.pop_back();
        }
        entries_.insert(entries_.begin(), Entry{key, make()});
        return entries_.front().value;
    }

private:
    struct Entry {
        Key key;
        korv::Result<Value> value;
    };
    std::vector<Entry> entries_;
};

}  // namespace korvutil32
