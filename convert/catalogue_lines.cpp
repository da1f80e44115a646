#include "catalogue_lines.h"

#include "proj_definition.h"

namespace korv::convert {

std::string system_line(const epsg::PublishedSystem& system) {
    return "EPSG:" + std::to_string(system.code) + " " + system.name;
}

std::string shift_line(const epsg::PublishedShift& shift) {
    const std::string accuracy =
        shift.accuracy ? geodesy::number_text(*shift.accuracy) + " m" : "unknown";
    return "EPSG:" + std::to_string(shift.code) + "\t" + shift.name + "\t" + accuracy + "\t" +
           shift.area.name + "\t" + (shift.deprecated ? "deprecated" : "current");
}

}  // namespace korv::convert
