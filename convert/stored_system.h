#pragma once
// A coordinate system's twelve values as the dialog stores them and its record holds them, in a
// header that names no record or vocabulary type: the coordinate-system record's constants clash
// with the vocabulary's, so code that reads a record fills this and the engine takes it from here
// (definition_of in conversion.h).

#include <cstdint>

namespace korv::convert {

struct StoredSystem {
    int32_t spheroid = 0;
    int32_t projection = 0;  // position in the projection list
    int32_t hemisphere = 0;
    double longitude_origin = 0;
    double latitude_origin = 0;
    double standard_parallel_1 = 0;
    double standard_parallel_2 = 0;
    double false_east = 0;
    double false_north = 0;
    double scale_factor = 0;
    double zone_width = 0;
    int32_t zone_number = 0;
};

}  // namespace korv::convert
