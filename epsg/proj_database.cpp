#include "proj_database.h"

#include <proj.h>

#include <unordered_map>

#include "list_convention.h"

namespace korv::epsg {
namespace {

// Columns are joined once, in SQL, where a lookup per row would cost a query each. The areas of
// use and the axes come in queries of their own: joined here they would make this one ten times
// slower.
constexpr const char* kSystemsQuery = R"(
SELECT p.code, p.name, p.deprecated, c.name, m.name,
       CASE WHEN c.method_auth_name = 'EPSG' THEN c.method_code ELSE 0 END,
       c.param1_code, c.param1_value, c.param1_uom_auth_name || ':' || c.param1_uom_code,
       c.param2_code, c.param2_value, c.param2_uom_auth_name || ':' || c.param2_uom_code,
       c.param3_code, c.param3_value, c.param3_uom_auth_name || ':' || c.param3_uom_code,
       c.param4_code, c.param4_value, c.param4_uom_auth_name || ':' || c.param4_uom_code,
       c.param5_code, c.param5_value, c.param5_uom_auth_name || ':' || c.param5_uom_code,
       c.param6_code, c.param6_value, c.param6_uom_auth_name || ':' || c.param6_uom_code,
       c.param7_code, c.param7_value, c.param7_uom_auth_name || ':' || c.param7_uom_code,
       e.name, e.semi_major_axis, e.uom_auth_name || ':' || e.uom_code, e.inv_flattening,
       e.semi_minor_axis, pm.longitude, pm.uom_auth_name || ':' || pm.uom_code,
       p.coordinate_system_auth_name || ':' || p.coordinate_system_code
FROM projected_crs p
JOIN conversion_table c ON c.auth_name = p.conversion_auth_name AND c.code = p.conversion_code
JOIN conversion_method m ON m.auth_name = c.method_auth_name AND m.code = c.method_code
JOIN geodetic_crs g ON g.auth_name = p.geodetic_crs_auth_name AND g.code = p.geodetic_crs_code
JOIN geodetic_datum d ON d.auth_name = g.datum_auth_name AND d.code = g.datum_code
JOIN ellipsoid e ON e.auth_name = d.ellipsoid_auth_name AND e.code = d.ellipsoid_code
JOIN prime_meridian pm ON pm.auth_name = d.prime_meridian_auth_name
                      AND pm.code = d.prime_meridian_code
WHERE p.auth_name = 'EPSG'
ORDER BY CAST(p.code AS INTEGER))";
constexpr int kFirstParameterColumn = 6;
constexpr int kParameterCount = 7;
constexpr int kEllipsoidColumn = kFirstParameterColumn + 3 * kParameterCount;

constexpr const char* kAxesQuery = R"(
SELECT coordinate_system_auth_name || ':' || coordinate_system_code, orientation,
       uom_auth_name || ':' || uom_code
FROM axis
ORDER BY 1, coordinate_system_order)";

constexpr const char* kShiftsQuery = R"(
SELECT h.code, h.name, h.description, h.method_code, h.accuracy, h.deprecated,
       h.tx, h.ty, h.tz, h.translation_uom_auth_name || ':' || h.translation_uom_code,
       h.rx, h.ry, h.rz, h.rotation_uom_auth_name || ':' || h.rotation_uom_code,
       h.scale_difference,
       h.scale_difference_uom_auth_name || ':' || h.scale_difference_uom_code,
       s.name, sd.name, t.name, td.name
FROM helmert_transformation_table h
JOIN geodetic_crs s ON s.auth_name = h.source_crs_auth_name AND s.code = h.source_crs_code
JOIN geodetic_datum sd ON sd.auth_name = s.datum_auth_name AND sd.code = s.datum_code
JOIN geodetic_crs t ON t.auth_name = h.target_crs_auth_name AND t.code = h.target_crs_code
JOIN geodetic_datum td ON td.auth_name = t.datum_auth_name AND td.code = t.datum_code
WHERE h.auth_name = 'EPSG' AND h.method_auth_name = 'EPSG'
  AND h.method_code IN (9603, 9606, 9607, 1031, 1032, 1033)
ORDER BY CAST(h.code AS INTEGER))";

// Areas of use by the first usage listed for each object.
constexpr const char* kAreasQuery = R"(
SELECT u.object_code, e.name, e.south_lat, e.north_lat, e.west_lon, e.east_lon
FROM usage u
JOIN extent e ON e.auth_name = u.extent_auth_name AND e.code = u.extent_code
WHERE u.object_table_name = ?table AND u.object_auth_name = 'EPSG'
ORDER BY u.rowid)";

// A scale factor must lie near one. The dataset gives a few in a unit of length or in parts per
// million though their numbers are plainly unity; read in that unit they would be a millionth.
constexpr double kLeastScaleFactor = 0.5;
constexpr double kGreatestScaleFactor = 2.0;

int32_t code_of(const SqliteRow& row, int column) {
    return static_cast<int32_t>(row.integer(column));
}

struct Axes {
    std::string directions;
    std::string unit;
};

// The coordinate systems' axes, by the system's key.
Result<std::unordered_map<std::string, Axes>> all_axes(const SqliteDatabase& database) {
    std::unordered_map<std::string, Axes> axes;
    const Status read = database.each_row(kAxesQuery, [&](const SqliteRow& row) {
        Axes& system = axes[row.text(0)];
        system.directions += (system.directions.empty() ? "" : ", ") + row.text(1);
        system.unit = row.text(2);
    });
    if (!read) {
        return read.error();
    }
    return axes;
}

// A parameter in degrees, metres or unity by the kind of its unit; nothing when the unit cannot
// be converted.
std::optional<double> parameter_value(const UnitTable& units, int32_t code, double value,
                                      const std::string& unit) {
    for (const char* target : {kDegree, kMetre, kUnity}) {
        const std::optional<double> converted = units.convert(value, unit, target);
        if (!converted) {
            continue;
        }
        if (code == kScaleFactorAtNaturalOrigin &&
            !(*converted >= kLeastScaleFactor && *converted <= kGreatestScaleFactor) &&
            value >= kLeastScaleFactor && value <= kGreatestScaleFactor) {
            return value;
        }
        return converted;
    }
    return code == kScaleFactorAtNaturalOrigin ? std::optional<double>(value) : std::nullopt;
}

void read_parameters(const SqliteRow& row, const UnitTable& units, SystemRecord& record) {
    for (int i = 0; i < kParameterCount; ++i) {
        const int column = kFirstParameterColumn + 3 * i;
        const std::optional<double> value = row.number(column + 1);
        if (!value) {
            continue;
        }
        const int32_t code = code_of(row, column);
        const std::optional<double> converted =
            parameter_value(units, code, *value, row.text(column + 2));
        if (!converted) {
            record.parameters_readable = false;
            continue;
        }
        record.parameters.push_back({code, *converted});
    }
}

void read_ellipsoid(const SqliteRow& row, const UnitTable& units, SystemRecord& record) {
    const int column = kEllipsoidColumn;
    record.ellipsoid_name = row.text(column);
    const std::string unit = row.text(column + 2);
    const std::optional<double> a = units.convert(row.number(column + 1).value_or(0), unit, kMetre);
    const double inverse_flattening = row.number(column + 3).value_or(0);
    const std::optional<double> b =
        inverse_flattening > 0 && a
            ? std::optional<double>(*a * (1.0 - 1.0 / inverse_flattening))
            : units.convert(row.number(column + 4).value_or(0), unit, kMetre);
    if (!a || !b) {
        record.parameters_readable = false;
        return;
    }
    record.semi_major_axis = *a;
    record.semi_minor_axis = *b;
    const std::optional<double> meridian =
        units.convert(row.number(column + 5).value_or(0), row.text(column + 6), kDegree);
    record.parameters_readable = record.parameters_readable && meridian.has_value();
    record.prime_meridian = meridian.value_or(0);
}

}  // namespace

std::string ProjDatabase::installed_path() {
    PJ_CONTEXT* context = proj_context_create();
    if (context == nullptr) {
        return {};
    }
    // A missing database is told by the catalogue's result, not on the terminal.
    proj_log_level(context, PJ_LOG_NONE);
    const char* path = proj_context_get_database_path(context);
    std::string installed = path != nullptr ? path : "";
    proj_context_destroy(context);
    return installed;
}

Result<ProjDatabase> ProjDatabase::open(const std::string& path) {
    if (path.empty()) {
        return Error{ErrorCode::kEpsgDatabaseMissing};
    }
    Result<SqliteDatabase> database = SqliteDatabase::open(path);
    if (!database) {
        return database.error();
    }
    Result<UnitTable> units = UnitTable::read(*database);
    if (!units) {
        return units.error();
    }
    return ProjDatabase(std::move(database).value(), std::move(units).value());
}

Result<std::unordered_map<int32_t, AreaOfUse>> ProjDatabase::areas(const char* table) const {
    std::string query = kAreasQuery;
    query.replace(query.find("?table"), 6, std::string("'") + table + "'");
    std::unordered_map<int32_t, AreaOfUse> areas;
    const Status read = database_.each_row(query, [&](const SqliteRow& row) {
        areas.try_emplace(
            code_of(row, 0),
            AreaOfUse{row.text(1), row.number(2).value_or(-90), row.number(3).value_or(90),
                      row.number(4).value_or(-180), row.number(5).value_or(180)});
    });
    if (!read) {
        return read.error();
    }
    return areas;
}

Result<std::vector<SystemRecord>> ProjDatabase::projected_systems() const {
    Result<std::unordered_map<int32_t, AreaOfUse>> areas = this->areas("projected_crs");
    Result<std::unordered_map<std::string, Axes>> axes = all_axes(database_);
    if (!areas) {
        return areas.error();
    }
    if (!axes) {
        return axes.error();
    }
    std::vector<SystemRecord> systems;
    const Status read = database_.each_row(kSystemsQuery, [&](const SqliteRow& row) {
        SystemRecord record;
        record.published = {code_of(row, 0), row.text(1), {}, row.integer(2) != 0};
        if (const auto area = areas->find(record.published.code); area != areas->end()) {
            record.published.area = area->second;
        }
        record.conversion_name = row.text(3);
        record.method_name = row.text(4);
        record.method_code = code_of(row, 5);
        read_parameters(row, units_, record);
        read_ellipsoid(row, units_, record);
        if (const auto found = axes->find(row.text(kEllipsoidColumn + 7)); found != axes->end()) {
            record.axes = found->second.directions;
            record.axis_unit = found->second.unit;
            record.axis_unit_name = units_.name(found->second.unit);
        }
        systems.push_back(std::move(record));
    });
    if (!read) {
        return read.error();
    }
    return systems;
}

Result<std::vector<PublishedShift>> ProjDatabase::helmert_shifts() const {
    Result<std::unordered_map<int32_t, AreaOfUse>> areas = this->areas("helmert_transformation");
    if (!areas) {
        return areas.error();
    }
    std::vector<PublishedShift> shifts;
    const Status read = database_.each_row(kShiftsQuery, [&](const SqliteRow& row) {
        const int32_t code = code_of(row, 0);
        const int32_t method = code_of(row, 3);
        HelmertValues values;
        for (int axis = 0; axis < 3; ++axis) {
            const std::optional<double> translation =
                units_.convert(row.number(6 + axis).value_or(0), row.text(9), kMetre);
            const std::optional<double> rotation =
                row.number(10 + axis)
                    ? units_.convert(*row.number(10 + axis), row.text(13), kArcSecond)
                    : 0.0;
            if (!translation || !rotation) {
                return;  // a unit no shift of the list can be given in
            }
            values.translation[static_cast<size_t>(axis)] = *translation;
            values.rotation[static_cast<size_t>(axis)] = *rotation;
        }
        const std::optional<double> scale =
            row.number(14) ? units_.convert(*row.number(14), row.text(15), kPartsPerMillion) : 0.0;
        if (!scale) {
            return;
        }
        values.scale_change = *scale;
        PublishedShift shift;
        shift.code = code;
        shift.name = row.text(1);
        shift.remarks = row.text(2);
        shift.accuracy = row.number(4);
        shift.deprecated = row.integer(5) != 0;
        shift.source_system = row.text(16);
        shift.source_datum = row.text(17);
        shift.target_system = row.text(18);
        shift.target_datum = row.text(19);
        if (const auto area = areas->find(code); area != areas->end()) {
            shift.area = area->second;
        }
        shift.shift = in_list_convention(method, values, shift.name, code);
        shifts.push_back(std::move(shift));
    });
    if (!read) {
        return read.error();
    }
    return shifts;
}

}  // namespace korv::epsg
