#pragma once
// The units of measure the EPSG dataset gives its numbers in, and conversion between units of
// one kind. Units are named "authority:code", as "EPSG:9001" for the metre.

#include <optional>
#include <string>
#include <unordered_map>

#include "result.h"
#include "sqlite_database.h"

namespace korv::epsg {

inline constexpr const char* kMetre = "EPSG:9001";
inline constexpr const char* kDegree = "EPSG:9102";
inline constexpr const char* kArcSecond = "EPSG:9104";
inline constexpr const char* kUnity = "EPSG:9201";
inline constexpr const char* kPartsPerMillion = "EPSG:9202";

class UnitTable {
public:
    // The units of PROJ's database.
    static Result<UnitTable> read(const SqliteDatabase& database);

    // `value`, given in `unit`, in the unit `target`; nothing when either unit is unknown or they
    // measure different kinds of quantity. Angles in sexagesimal DMS (the dataset writes
    // 50°47'52.134" as 50.4752134) are read as such.
    std::optional<double> convert(double value, const std::string& unit,
                                  const std::string& target) const;

    // The unit's name, "US survey foot"; the key itself for a unit the table does not hold.
    std::string name(const std::string& unit) const;

private:
    struct Unit {
        std::string name;
        std::string kind;  // "length", "angle", "scale" or "time"
        double factor;     // to the kind's base unit (metre, radian, unity); 0 for DMS
    };
    std::unordered_map<std::string, Unit> units_;
};

// The degrees of an angle written as sexagesimal DMS ("-3.411455" is -3°41'14.55"); nothing for
// minutes or seconds of 60 or more.
std::optional<double> sexagesimal_degrees(double dms);

}  // namespace korv::epsg
