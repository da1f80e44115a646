#pragma once
// PROJ's database of the EPSG dataset, read whole: the projected coordinate systems and the
// Helmert datum shifts, with their areas of use, their numbers in the catalogue's units.

#include <string>
#include <unordered_map>
#include <vector>

#include "published_shift.h"
#include "result.h"
#include "sqlite_database.h"
#include "system_record.h"
#include "unit_table.h"

namespace korv::epsg {

class ProjDatabase {
public:
    // The database at `path`; an error saying why when it cannot be read.
    static Result<ProjDatabase> open(const std::string& path);

    // The path of the database PROJ itself uses (PROJ_DATA or its installed data folder).
    static std::string installed_path();

    // The EPSG projected systems, in the order of their codes.
    Result<std::vector<SystemRecord>> projected_systems() const;

    // The EPSG Helmert shifts of three and seven parameters between geodetic systems, in the order
    // of their codes, their values in the datum shift list's convention. Shifts that change with
    // time or turn about a point other than the earth's centre are left out: seven numbers cannot
    // hold them.
    Result<std::vector<PublishedShift>> helmert_shifts() const;

private:
    ProjDatabase(SqliteDatabase database, UnitTable units)
        : database_(std::move(database)), units_(std::move(units)) {}

    // Area of use of every object of `table` ("projected_crs"), by code: the first one listed.
    Result<std::unordered_map<int32_t, AreaOfUse>> areas(const char* table) const;

    SqliteDatabase database_;
    UnitTable units_;
};

}  // namespace korv::epsg
