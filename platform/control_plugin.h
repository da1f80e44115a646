#pragma once
// The interface a control library offers as a Qt plugin: it creates the controls it holds by
// class name. Its plugin metadata lists those class names under "classes", so a host can tell
// which library holds a class without loading it:
//
//     Q_PLUGIN_METADATA(IID KORV_CONTROL_PLUGIN_IID FILE "controls.json")
//     // controls.json: { "classes": [ "KorvProjection.Projection" ] }

#include <QString>
#include <QtPlugin>

class QWidget;

namespace korv {

class ControlPlugin {
public:
    virtual ~ControlPlugin() = default;

    // A new control of the class named "Library.Class", owned by `parent`; null for a class the
    // library does not hold.
    virtual QWidget* create(const QString& class_name, QWidget* parent) = 0;
};

}  // namespace korv

#define KORV_CONTROL_PLUGIN_IID "org.halvern.Quarrow.ControlPlugin/1.0"
Q_DECLARE_INTERFACE(korv::ControlPlugin, KORV_CONTROL_PLUGIN_IID)
