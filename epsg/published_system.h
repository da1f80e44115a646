#pragma once
// A projected coordinate system as the EPSG dataset publishes it, for lists and for telling the
// user which published systems a definition is.

#include <cstdint>
#include <string>

#include "area_of_use.h"

namespace korv::epsg {

struct PublishedSystem {
    int32_t code = 0;  // EPSG:code
    std::string name;  // "GDA94 / MGA zone 55"
    AreaOfUse area;
    bool deprecated = false;  // replaced in the dataset by a better definition

    friend bool operator==(const PublishedSystem&, const PublishedSystem&) = default;
};

}  // namespace korv::epsg
