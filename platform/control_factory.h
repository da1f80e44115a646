#pragma once
// Hosts create a control by its class name, "Library.Class" (for example
// "KorvProjection.Projection"). The control library of that name is a Qt plugin (see
// control_plugin.h); it is looked for beside the program, in the library folder of an installed
// program, and in Qt's plugin paths (QT_PLUGIN_PATH among them). Hosts then reach the control's
// public members directly, or late-bound through Qt's meta-object system.

#include <QString>

#include "platform_export.h"

class QWidget;

namespace korv {

// The new control, owned by `parent`; null when it cannot be created, with the reason in `error`.
KORV_PLATFORM_EXPORT QWidget* create_control(const QString& class_name, QWidget* parent,
                                             QString* error = nullptr);

}  // namespace korv
