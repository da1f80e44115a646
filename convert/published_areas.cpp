#include "published_areas.h"

#include "catalogue_lines.h"

namespace korv::convert {
namespace {

bool on_source_side(PointKind kind) {
    return kind == PointKind::kSourceGrid || kind == PointKind::kSourceGeographic;
}

template <typename Published>
std::string named_with_area(const Published& published, const std::string& name) {
    return published.area.name.empty() ? name : name + " (" + published.area.name + ")";
}

}  // namespace

std::vector<CheckedArea> published_areas(const ConversionSetup& setup,
                                         const epsg::Catalogue& catalogue) {
    std::vector<CheckedArea> areas;
    if (!is_geographic(setup.from) || !is_geographic(setup.to)) {
        CheckedArea systems{{}, {}, Refusal::kOutsideSystemArea};
        for (const epsg::PublishedSystem& system : catalogue.matching_systems(setup.source)) {
            systems.published += (systems.boxes.empty() ? "" : " or ") +
                                 named_with_area(system, system_line(system));
            systems.boxes.push_back(system.area);
        }
        if (!systems.boxes.empty()) {
            areas.push_back(std::move(systems));
        }
    }
    if (setup.shift && on_source_side(setup.from) != on_source_side(setup.to)) {
        const std::vector<epsg::PublishedShift> identified = catalogue.identify_shift(*setup.shift);
        if (!identified.empty()) {
            const epsg::PublishedShift& shift = identified.front();
            areas.push_back(
                {named_with_area(shift, "EPSG:" + std::to_string(shift.code) + " " + shift.name),
                 {shift.area},
                 Refusal::kOutsideShiftArea});
        }
    }
    return areas;
}

std::string outside_summary(const AreaOfUseCheck& check, std::uint64_t points) {
    std::string summary;
    for (std::size_t a = 0; a < check.areas().size(); ++a) {
        if (const std::uint64_t outside = check.outside(a); outside > 0) {
            summary += "quarrow-convert: " + std::to_string(outside) + " of " +
                       std::to_string(points) + " points lie outside the area of use of " +
                       check.areas()[a].published + "\n";
        }
    }
    return summary;
}

}  // namespace korv::convert
