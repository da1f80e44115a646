#pragma once
// Whether points lie where the published numbers they are converted with were made for: the area
// of use of the EPSG system the coordinate system is, and of the published datum shift the shift
// is. The engine runs the check on each point once it is geographic on its way. Points outside
// still convert and are counted, or are refused when the user asks so.

#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "area_of_use.h"
#include "conversion.h"

namespace korv::convert {

struct CheckedArea {
    // What the area belongs to, as messages name it: "EPSG:1460 AGD66 to GDA94 (4)".
    std::string published;
    // A point inside any of them is inside: a definition may be several published systems.
    std::vector<AreaOfUse> boxes;
    // What a point outside is refused with when points outside are refused.
    Refusal refusal = Refusal::kOutsideSystemArea;
};

class AreaOfUseCheck {
public:
    AreaOfUseCheck(std::vector<CheckedArea> areas, bool refuse_outside);

    // Counts the points not yet refused that lie outside each area and, when points outside are
    // refused, refuses them with the refusal of the first area they lie outside. x and y hold
    // longitude and latitude in degrees. Safe from any number of threads at once.
    void check(std::span<const PointCoordinates> points, std::span<Refusal> refusals) const;

    const std::vector<CheckedArea>& areas() const { return areas_; }
    // How many points check() found outside areas()[area] so far.
    std::uint64_t outside(std::size_t area) const { return outside_[area]; }

private:
    std::vector<CheckedArea> areas_;
    bool refuse_outside_;
    mutable std::vector<std::atomic<std::uint64_t>> outside_;
};

}  // namespace korv::convert
