#pragma once
// The control library KorvProjection as a Qt plugin: hosts create its one control,
// "KorvProjection.Projection", by class name (control_factory.h).

#include <QObject>

#include "control_plugin.h"
#include "projection_export.h"

namespace korv {

class KORV_PROJECTION_EXPORT ProjectionLibrary : public QObject, public ControlPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KORV_CONTROL_PLUGIN_IID FILE "projection_library.json")
    Q_INTERFACES(korv::ControlPlugin)

public:
    QWidget* create(const QString& class_name, QWidget* parent) override;
};

}  // namespace korv
