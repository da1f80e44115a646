#include "published_areas.h"

#include <algorithm>

namespace korv::convert {
namespace {

bool on_source_side(PointKind kind) {
    return kind == PointKind::kSourceGrid || kind == PointKind::kSourceGeographic;
}

// "EPSG:5551 or EPSG:28355 (Papua New Guinea - 144°E to 150°E; Australia - 144°E to 150°E)": the
// systems a definition matches often share their area.
std::string named_systems(const std::vector<epsg::PublishedSystem>& systems) {
    std::string codes, areas;
    std::vector<std::string> named;
    for (const epsg::PublishedSystem& system : systems) {
        codes += (codes.empty() ? "EPSG:" : " or EPSG:") + std::to_string(system.code);
        if (std::ranges::find(named, system.area.name) == named.end()) {
            areas += (named.empty() ? "" : "; ") + system.area.name;
            named.push_back(system.area.name);
        }
    }
    return codes + " (" + areas + ")";
}

}  // namespace

std::vector<CheckedArea> published_areas(const ConversionSetup& setup,
                                         const epsg::Catalogue& catalogue) {
    std::vector<CheckedArea> areas;
    if (!is_geographic(setup.from) || !is_geographic(setup.to)) {
        const std::vector<epsg::PublishedSystem> systems = catalogue.matching_systems(setup.source);
        if (!systems.empty()) {
            CheckedArea area{named_systems(systems), {}, Refusal::kOutsideSystemArea};
            for (const epsg::PublishedSystem& system : systems) {
                area.boxes.push_back(system.area);
            }
            areas.push_back(std::move(area));
        }
    }
    if (!setup.shift.is_none() && on_source_side(setup.from) != on_source_side(setup.to)) {
        const std::vector<epsg::PublishedShift> identified = catalogue.identify_shift(setup.shift);
        if (!identified.empty()) {
            const epsg::PublishedShift& shift = identified.front();
            areas.push_back({"EPSG:" + std::to_string(shift.code) + " " + shift.name + " (" +
                                 shift.area.name + ")",
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
