#pragma once
// What the dialog keeps, read for the file conversion: the source coordinate system from the
// per-user settings store or from its two stored lists, and the entries of the datum list
// "datum.csv" beside the program. A library of its own around the program's code for them, with
// only these functions visible: the program's datum shift record and the geodesy core's share
// their name, and must not meet in one binary.

#include <string>
#include <string_view>

#include "result.h"
#include "stored_system.h"

#if defined(__GNUC__) || defined(__clang__)
#define QUARROW_STORED_INPUTS_API __attribute__((visibility("default")))
#else
#define QUARROW_STORED_INPUTS_API
#endif

namespace korv::convert {

// A datum shift of the list: its name as listed and its seven values.
struct ListedShift {
    std::string name;
    double dx = 0, dy = 0, dz = 0, rx = 0, ry = 0, rz = 0, sc = 0;
};

// The source coordinate system the dialog keeps in the settings store, read as the dialog reads
// it at start-up; an error when none is kept.
QUARROW_STORED_INPUTS_API Result<StoredSystem> stored_source_system();

// The coordinate system of the two lists joined by "|" ("P1|P2"), each read as the dialog reads
// the stored list.
QUARROW_STORED_INPUTS_API Result<StoredSystem> source_system_from_lists(std::string_view lists);

// The first entry of the datum list whose name, trimmed, equals `name` trimmed, compared as the
// dialog compares names (without regard to case). The list is loaded as the dialog loads it, so a
// missing "datum.csv" is made with the two published shifts.
QUARROW_STORED_INPUTS_API Result<ListedShift> listed_shift(std::string_view name);

// Where the datum list is kept: "datum.csv" in the program's folder.
QUARROW_STORED_INPUTS_API std::string datum_list_path();

}  // namespace korv::convert
