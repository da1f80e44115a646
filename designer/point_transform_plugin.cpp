#include "point_transform_plugin.h"

#include "point_transform_library.h"

PointTransformPlugin::PointTransformPlugin(QObject* parent)
    : ControlPlugin(QStringLiteral("korv::PointTransform"), QStringLiteral("point_transform.h"),
                    QStringLiteral("pointTransform"),
                    QStringLiteral("A grid-to-map transform: origin, scales and rotation, or two "
                                   "pairs of points, with an elevation shift and scale"),
                    parent) {}

QWidget* PointTransformPlugin::createWidget(QWidget* parent) {
    // Created the way every host creates it: through the control library's plugin.
    return korv::PointTransformLibrary().create(QStringLiteral("KorvPointTransform.PointTransform"),
                                                parent);
}
