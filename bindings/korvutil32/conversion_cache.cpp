#include "conversion_cache.h"

namespace korvutil32 {

SystemKey system_key(const double* block, int32_t zone) {
    SystemKey key;
    const size_t block_bytes = (constants::kZoneWidth + 1) * sizeof(double);
    std::memcpy(key.data(), block, block_bytes);
    std::memcpy(key.data() + block_bytes, &zone, sizeof zone);
    return key;
}

TransformationKey transformation_key(const double* workspace, int32_t from_spheroid,
                                     int32_t to_spheroid) {
    TransformationKey key;
    const size_t workspace_bytes = kWorkspaceSize * sizeof(double);
    std::memcpy(key.data(), workspace, workspace_bytes);
    std::memcpy(key.data() + workspace_bytes, &from_spheroid, sizeof from_spheroid);
    std::memcpy(key.data() + workspace_bytes + sizeof from_spheroid, &to_spheroid,
                sizeof to_spheroid);
    return key;
}

}  // namespace korvutil32
