#include "conversion_cache.h"

namespace korvutil32 {

CacheKey system_key(const double* block, int32_t zone) {
    CacheKey key{};
    std::memcpy(key.data(), block, (constants::kZoneWidth + 1) * sizeof(double));
    std::memcpy(key.data() + kConstantsSize * sizeof(double), &zone, sizeof zone);
    return key;
}

CacheKey transformation_key(const double* workspace, int32_t from_spheroid, int32_t to_spheroid) {
    CacheKey key{};
    std::memcpy(key.data(), workspace, kWorkspaceSize * sizeof(double));
    std::memcpy(key.data() + kWorkspaceSize * sizeof(double), &from_spheroid, sizeof from_spheroid);
    std::memcpy(key.data() + kWorkspaceSize * sizeof(double) + sizeof from_spheroid, &to_spheroid,
                sizeof to_spheroid);
    return key;
}

}  // namespace korvutil32
