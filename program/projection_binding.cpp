#include "projection_binding.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QVariant>

#include "control_factory.h"
#include "message_box.h"
#include "record_metatypes.h"

namespace korv {
namespace {

constexpr char kProperty[] = "coordinateSystem";

QString class_name() {
    return QString::fromLatin1(kProjectionClassName);
}

}  // namespace

Result<QWidget*> create_projection_control(QWidget* parent) {
    QString error;
    QWidget* control = create_control(class_name(), parent, &error);
    if (control == nullptr) {
        return Error{error.toStdString()};
    }
    return control;
}

Result<CoordSystem> read_coordinate_system(QWidget* control) {
    bool accepted = false;
    if (control == nullptr ||
        !QMetaObject::invokeMethod(control, "acceptEntries", Qt::DirectConnection,
                                   Q_RETURN_ARG(bool, accepted))) {
        show_message(QCoreApplication::translate(
                         "korv::Form_projections",
                         "The coordinate system cannot be read: the control %1 is not available.")
                         .arg(class_name()));
        return Error{"no coordinate system control"};
    }
    if (!accepted) {
        return Error{"the entries were refused"};  // the control has told the user why
    }
    const QVariant value = control->property(kProperty);
    if (!value.canConvert<CoordSystem>()) {
        show_message(QCoreApplication::translate(
            "korv::Form_projections", "The coordinate system control handed back no definition."));
        return Error{"no definition from the coordinate system control"};
    }
    return value.value<CoordSystem>();
}

Status assign_coordinate_system(QWidget* control, const CoordSystem& record) {
    if (control == nullptr || !control->setProperty(kProperty, QVariant::fromValue(record))) {
        return Error{"the control " + class_name().toStdString() + " is not available"};
    }
    return kSuccess;
}

}  // namespace korv
