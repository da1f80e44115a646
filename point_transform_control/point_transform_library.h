#pragma once
// The control library KorvPointTransform as a Qt plugin: hosts create its one control,
// "KorvPointTransform.PointTransform", by class name (control_factory.h).

#include <QObject>

#include "control_plugin.h"
#include "point_transform_export.h"

namespace korv {

class KORV_POINT_TRANSFORM_EXPORT PointTransformLibrary : public QObject, public ControlPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KORV_CONTROL_PLUGIN_IID FILE "point_transform_library.json")
    Q_INTERFACES(korv::ControlPlugin)

public:
    QWidget* create(const QString& class_name, QWidget* parent) override;
};

}  // namespace korv
