#include "stored_inputs.h"

#include <QDir>

#include "datum_list.h"
#include "program_folder.h"
#include "settings_store.h"
#include "source_settings.h"
#include "trim.h"

namespace korv::convert {
namespace {

StoredSystem stored_values(const CoordSystem& record) {
    return {record.spheroid,
            record.projection,
            record.hemisphere,
            record.longitude_origin,
            record.latitude_origin,
            record.standard_parallel_1,
            record.standard_parallel_2,
            record.false_east,
            record.false_north,
            record.scale_factor,
            record.zone_width,
            record.zone_number};
}

}  // namespace

Result<StoredSystem> stored_source_system() {
    const SettingsStore store(kSettingsApplication);
    if (store.get(kSettingsSection, QStringLiteral("Name"), kNoValue) == kNoValue) {
        return Error{
            "no source coordinate system is stored; define one in the dialog or give it "
            "with --system"};
    }
    CoordSystem record;
    load_source_coord_system(store, record);
    return stored_values(record);
}

Result<StoredSystem> source_system_from_lists(std::string_view lists) {
    const std::size_t bar = lists.find('|');
    if (bar == std::string_view::npos) {
        return Error{"the coordinate system must be given as the two stored lists joined by \"|\""};
    }
    CoordSystem record;
    read_parameters1(lists.substr(0, bar), record);
    read_parameters2(lists.substr(bar + 1), record);
    return stored_values(record);
}

std::string datum_list_path() {
    return QDir(program_folder()).filePath(QStringLiteral("datum.csv")).toStdString();
}

Result<ListedShift> listed_shift(std::string_view name) {
    DatumList list(datum_list_path());
    list.load_datum_list();
    const std::string wanted(trimmed(name));
    for (int32_t position = 1; position <= list.count(); ++position) {
        const DatumShift& entry = list.entry(position);
        if (same_name(trimmed(entry.name), wanted)) {
            return ListedShift{entry.name, entry.dx, entry.dy, entry.dz,
                               entry.rx,   entry.ry, entry.rz, entry.sc};
        }
    }
    return Error{"the datum list " + list.path() + " holds no datum shift named \"" + wanted +
                 "\""};
}

}  // namespace korv::convert
