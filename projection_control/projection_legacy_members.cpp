// The Projection control's members as outside callers have always reached them: a status and the
// record by reference, or the record in a QVariant for late-bound hosts, each a few lines over the
// control's typed members.

#include "error_message.h"
#include "projection.h"

namespace korv {

int32_t Projection::CoordinateSystem(CoordSystem& trValue) {
    if (!acceptEntries()) {
        return -1;
    }
    trValue = record_;
    return 0;
}

int32_t Projection::CoordinateSystem(QVariant& trValue) {
    return read_into_variant<korv::CoordSystem>(
        trValue, [this](korv::CoordSystem& record) { return CoordinateSystem(record); });
}

std::optional<QString> Projection::setCoordinateSystem(const QVariant& trValue, int32_t /*ierr*/) {
    if (std::optional<QString> mismatch =
            type_mismatch<korv::CoordSystem>(trValue, QStringLiteral("CoordinateSystem"))) {
        return mismatch;
    }
    const Status shown = assign(trValue.value<korv::CoordSystem>());
    return shown ? std::nullopt : std::optional<QString>(error_message(shown.error()));
}

}  // namespace korv
