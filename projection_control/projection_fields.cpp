#include "projection_fields.h"

#include "angle_text.h"
#include "numeric_text.h"
#include "spheroids.h"
#include "utilities.h"

namespace korv {
namespace {

std::string angle_text(double degrees, int32_t kind, Utilities& utilities) {
    std::string text;
    utilities.format_angle(degrees, text, kind);
    return text;
}

double angle(const std::string& text, int32_t kind, Utilities& utilities) {
    double degrees = 0;
    utilities.parse_angle(text, degrees, kind);
    return degrees;
}

}  // namespace

void correct_record(CoordSystem& record) {
    if (record.projection < kLocalGrid) {
        record.projection = kLocalGrid;
    }
    if (record.spheroid < kFirstSpheroidCode) {
        record.spheroid = kFirstSpheroidCode;
    }
    if (record.hemisphere != kNorthernHemisphere && record.hemisphere != kSouthernHemisphere) {
        record.hemisphere = kSouthernHemisphere;
    }
}

ProjectionEntries entries_for(const CoordSystem& record, Utilities& utilities) {
    ProjectionEntries entries;
    entries.projection = record.projection;
    entries.spheroid = record.spheroid;
    entries.hemisphere = record.hemisphere;
    entries.zone_number = format_fixed(record.zone_number, 0);
    entries.longitude_origin = angle_text(record.longitude_origin, kLongitudeAngle, utilities);
    entries.latitude_origin = angle_text(record.latitude_origin, kLatitudeAngle, utilities);
    entries.standard_parallel_1 = angle_text(record.standard_parallel_1, kLatitudeAngle, utilities);
    entries.standard_parallel_2 = angle_text(record.standard_parallel_2, kLatitudeAngle, utilities);
    entries.false_east = format_fixed(record.false_east, 0);
    entries.false_north = format_fixed(record.false_north, 0);
    entries.scale_factor = format_fixed(record.scale_factor, 4);
    entries.zone_width = angle_text(record.zone_width, kPlainAngle, utilities);
    return entries;
}

void read_entries(const ProjectionEntries& entries, const ProjectionEntries& shown,
                  Utilities& utilities, CoordSystem& record) {
    record.projection = entries.projection;
    record.spheroid = entries.spheroid;
    record.hemisphere = entries.hemisphere;
    const auto edited = [&](EntryText field) {
        return (shown.*field).empty() || entries.*field != shown.*field;
    };
    if (edited(&ProjectionEntries::zone_number)) {
        record.zone_number = to_int32_half_even(leading_number(entries.zone_number)).value_or(0);
    }
    const auto read_angle = [&](EntryText field, int32_t kind, double& value) {
        if (edited(field)) {
            value = angle(entries.*field, kind, utilities);
        }
    };
    read_angle(&ProjectionEntries::longitude_origin, kLongitudeAngle, record.longitude_origin);
    read_angle(&ProjectionEntries::latitude_origin, kLatitudeAngle, record.latitude_origin);
    read_angle(&ProjectionEntries::standard_parallel_1, kLatitudeAngle, record.standard_parallel_1);
    read_angle(&ProjectionEntries::standard_parallel_2, kLatitudeAngle, record.standard_parallel_2);
    read_angle(&ProjectionEntries::zone_width, kPlainAngle, record.zone_width);
    const auto read_number = [&](EntryText field, double& value) {
        if (edited(field)) {
            value = leading_number(entries.*field);
        }
    };
    read_number(&ProjectionEntries::false_east, record.false_east);
    read_number(&ProjectionEntries::false_north, record.false_north);
    read_number(&ProjectionEntries::scale_factor, record.scale_factor);
}

}  // namespace korv
