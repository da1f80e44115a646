#pragma once
// A Helmert datum shift as the EPSG dataset publishes it, with its numbers already in the
// convention of the datum shift list.

#include <cstdint>
#include <optional>
#include <string>

#include "area_of_use.h"
#include "datum_shift.h"

namespace korv::epsg {

struct PublishedShift {
    int32_t code = 0;                // EPSG:code
    std::string name;                // as published: "AGD66 to GDA94 (4)"
    std::optional<double> accuracy;  // metres; nothing when the dataset gives none
    AreaOfUse area;
    std::string remarks;  // the dataset's advice on when to use it; may be empty
    bool deprecated = false;
    std::string source_system;  // geographic systems it goes between: "AGD66", "GDA94"
    std::string target_system;
    std::string source_datum;  // their datums: "Australian Geodetic Datum 1966"
    std::string target_datum;
    // Coordinate frame rotations in seconds of arc, translations in metres, scale change in parts
    // per million, named with the code so the list shows where it came from:
    // "AGD66 to GDA94 (4) EPSG:1460".
    DatumShift shift;

    friend bool operator==(const PublishedShift&, const PublishedShift&) = default;
};

}  // namespace korv::epsg
