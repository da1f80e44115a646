#include "projection_plugin.h"

#include "projection_library.h"

ProjectionPlugin::ProjectionPlugin(QObject* parent)
    : ControlPlugin(QStringLiteral("korv::Projection"), QStringLiteral("projection.h"),
                    QStringLiteral("projection"),
                    QStringLiteral("The coordinate system of source data: projection, spheroid, "
                                   "hemisphere, zone, origins and parallels"),
                    parent) {}

QWidget* ProjectionPlugin::createWidget(QWidget* parent) {
    // Created the way every host creates it: through the control library's plugin.
    return korv::ProjectionLibrary().create(QStringLiteral("KorvProjection.Projection"), parent);
}
