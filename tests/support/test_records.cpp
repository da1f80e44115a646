#include "test_records.h"

#include "settings_store.h"

namespace korv::testing {

CoordSystem mga_zone55() {
    CoordSystem record;
    record.name = "MGA zone 55";
    record.projection = kUniversalTransverseMercator;
    record.spheroid = 12;
    record.hemisphere = kSouthernHemisphere;
    record.longitude_origin = -177;
    record.scale_factor = 0.9996;
    record.false_east = 500000;
    record.false_north = 10000000;
    record.zone_number = 55;
    record.zone_width = 6;
    return record;
}

bool store_mga_zone55() {
    const QString section = QStringLiteral("Projection");
    SettingsStore settings(QStringLiteral("Halvern\\Quarrtool"));
    settings.set(section, "Name", "MGA zone 55");
    settings.set(section, "Parameters1", " 12; 2; 2;-177; 0; 0; 0");
    settings.set(section, "Parameters2", " 500000; 10000000; 0.9996; 6; 55");
    return settings.commit().ok();
}

}  // namespace korv::testing
