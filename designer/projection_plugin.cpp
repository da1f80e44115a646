#include "projection_plugin.h"

#include "projection.h"

ProjectionPlugin::ProjectionPlugin(QObject* parent)
    : ControlPlugin(QStringLiteral("korv::Projection"), QStringLiteral("projection.h"),
                    QStringLiteral("projection"),
                    QStringLiteral("The coordinate system of source data: projection, spheroid, "
                                   "hemisphere, zone, origins and parallels"),
                    parent) {}

QWidget* ProjectionPlugin::createWidget(QWidget* parent) {
    return new korv::Projection(parent);
}
