#pragma once
// Lets the records travel in a QVariant, as hosts exchange them with controls late-bound.

#include <QMetaType>

#include "coord_system.h"
#include "coord_transform.h"

Q_DECLARE_METATYPE(korv::CoordSystem)
Q_DECLARE_METATYPE(korv::CoordTransform)

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace korv {

// For a late-bound assignment: nothing when `value` holds a `Record`, else the error the host is
// given ("Type mismatch: ...").
template <typename Record>
std::optional<QString> type_mismatch(const QVariant& value, const QString& property) {
    if (value.metaType() == QMetaType::fromType<Record>()) {
        return std::nullopt;
    }
    const QString held =
        value.isValid() ? QString::fromLatin1(value.typeName()) : QStringLiteral("nothing");
    return QStringLiteral("Type mismatch: %1 takes a %2 record, but the value assigned holds %3")
        .arg(property, QString::fromLatin1(QMetaType::fromType<Record>().name()), held);
}

// For a late-bound read: `read(record)` fills a record and gives a status; on 0 the variant is
// replaced by the record, otherwise it is left as it was.
template <typename Record, typename Read>
int32_t read_into_variant(QVariant& value, Read&& read) {
    Record record;
    const int32_t ierr = read(record);
    if (ierr == 0) {
        value = QVariant::fromValue(record);
    }
    return ierr;
}

}  // namespace korv
