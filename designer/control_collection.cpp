#include "control_collection.h"

#include "point_transform_plugin.h"
#include "projection_plugin.h"

ControlCollection::ControlCollection(QObject* parent) : QObject(parent) {
    controls_ = {new ProjectionPlugin(this), new PointTransformPlugin(this)};
}
