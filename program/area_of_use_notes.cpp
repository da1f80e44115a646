#include "area_of_use_notes.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "catalogue_texts.h"

namespace korv {
namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("korv::ConversionTestPanel", text);
}

// Says why nothing can be checked when the catalogue cannot be read.
template <typename T>
std::optional<QString> unchecked(const Result<T>& read) {
    if (read) {
        return std::nullopt;
    }
    return translated(QT_TRANSLATE_NOOP("korv::ConversionTestPanel",
                                        "The area of use cannot be checked: %1"))
        .arg(dataset_unavailable(read.error()));
}

QString outside(const QStringList& published, const QStringList& areas) {
    return translated(QT_TRANSLATE_NOOP("korv::ConversionTestPanel",
                                        "The point lies outside the area of use of %1 (%2)."))
        .arg(published.join(QStringLiteral(", ")), areas.join(QStringLiteral("; ")));
}

}  // namespace

QString outside_systems_note(const epsg::Catalogue& catalogue, const CoordSystem& system,
                             GeographicPoint point) {
    if (const std::optional<QString> note = unchecked(catalogue.systems())) {
        return *note;
    }
    const std::optional<CoordinateSystemDefinition> definition = definition_of(system);
    if (!definition) {
        return {};
    }
    const std::vector<epsg::PublishedSystem> systems = catalogue.matching_systems(*definition);
    // Inside any of them is inside: a definition may be several published systems.
    if (systems.empty() || std::ranges::any_of(systems, [point](const auto& published) {
            return published.area.contains(point);
        })) {
        return {};
    }
    QStringList codes, areas;
    for (const epsg::PublishedSystem& published : systems) {
        codes << QStringLiteral("EPSG:%1").arg(published.code);
        const QString area = QString::fromStdString(published.area.name);
        if (!areas.contains(area)) {
            areas << area;  // the systems of one definition often share their area
        }
    }
    return outside(codes, areas);
}

QString outside_shift_note(const epsg::Catalogue& catalogue, const DatumShift& shift,
                           GeographicPoint point) {
    if (const std::optional<QString> note = unchecked(catalogue.shifts())) {
        return *note;
    }
    const std::vector<epsg::PublishedShift> identified = catalogue.identify_shift(shift);
    if (identified.empty() || identified.front().area.contains(point)) {
        return {};
    }
    const epsg::PublishedShift& best = identified.front();
    return outside(
        {QStringLiteral("EPSG:%1 %2").arg(best.code).arg(QString::fromStdString(best.name))},
        {QString::fromStdString(best.area.name)});
}

}  // namespace korv
