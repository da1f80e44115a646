#pragma once
// Hosts create a control by its class name, "Library.Class" (for example
// "KorvProjection.Projection"). The control library is loaded from the folder of the installed
// libraries and asked for the class through the one function every control library exports:
//
//     extern "C" QWidget* korv_create_control(const char* class_name, QWidget* parent);
//
// which returns null for a class it does not hold. Hosts then reach the control's public members
// directly, or late-bound through Qt's meta-object system (QMetaObject::invokeMethod).

#include <QString>

#include "platform_export.h"

class QWidget;

namespace korv {

inline constexpr char kCreateControlFunction[] = "korv_create_control";
using CreateControlFunction = QWidget* (*)(const char* class_name, QWidget* parent);

// The new control, owned by `parent`; null when it cannot be created, with the reason in `error`.
KORV_PLATFORM_EXPORT QWidget* create_control(const QString& class_name, QWidget* parent,
                                             QString* error = nullptr);

}  // namespace korv
