#include "projection_constants.h"

#include "geodesy_library.h"

namespace korv {

Result<CoordSystem> with_derived_constants(const CoordSystem& record) {
    CoordSystem computed = record;
    if (record.projection <= kLocalGrid) {
        computed.derived[0] = 0;  // "no projection": conversions through the record refuse
        return computed;
    }
    const Result<DerivedConstants> derived = derive_constants(record);
    if (!derived) {
        return derived.error();
    }
    computed.derived = *derived;
    return computed;
}

}  // namespace korv
