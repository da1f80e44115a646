#include "area_of_use_check.h"

#include <algorithm>

namespace korv::convert {

AreaOfUseCheck::AreaOfUseCheck(std::vector<CheckedArea> areas, bool refuse_outside)
    : areas_(std::move(areas)), refuse_outside_(refuse_outside), outside_(areas_.size()) {}

void AreaOfUseCheck::check(std::span<const PointCoordinates> points,
                           std::span<Refusal> refusals) const {
    // Counted here first, so that threads meet on the shared counts once a block.
    std::vector<std::uint64_t> outside(areas_.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (refusals[i] != Refusal::kNone) {
            continue;
        }
        const GeographicPoint point{points[i].x, points[i].y};
        for (std::size_t a = areas_.size(); a-- > 0;) {
            const std::vector<AreaOfUse>& boxes = areas_[a].boxes;
            if (std::ranges::none_of(boxes,
                                     [&](const AreaOfUse& box) { return box.contains(point); })) {
                ++outside[a];
                if (refuse_outside_) {
                    refusals[i] = areas_[a].refusal;
                }
            }
        }
    }
    for (std::size_t a = 0; a < areas_.size(); ++a) {
        outside_[a] += outside[a];
    }
}

}  // namespace korv::convert
