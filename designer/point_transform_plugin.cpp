#include "point_transform_plugin.h"

#include "point_transform.h"

PointTransformPlugin::PointTransformPlugin(QObject* parent)
    : ControlPlugin(QStringLiteral("korv::PointTransform"), QStringLiteral("point_transform.h"),
                    QStringLiteral("pointTransform"),
                    QStringLiteral("A grid-to-map transform: origin, scales and rotation, or two "
                                   "pairs of points, with an elevation shift and scale"),
                    parent) {}

QWidget* PointTransformPlugin::createWidget(QWidget* parent) {
    return new korv::PointTransform(parent);
}
