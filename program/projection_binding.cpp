#include "projection_binding.h"

#include <QCoreApplication>
#include <QMetaMethod>
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

std::optional<CoordSystem> entered_coordinate_system(QWidget* control) {
    QVariant entered;
    if (control == nullptr ||
        !QMetaObject::invokeMethod(control, "entriesCoordinateSystem", Qt::DirectConnection,
                                   Q_RETURN_ARG(QVariant, entered)) ||
        !entered.canConvert<CoordSystem>()) {
        return std::nullopt;
    }
    return entered.value<CoordSystem>();
}

QString entries_problem(QWidget* control) {
    if (control == nullptr) {
        return {};
    }
    // The control answers a text that is empty when the entries pass, or an optional text that
    // is then empty: the answer is taken in whichever type the control declares.
    const QMetaObject* meta = control->metaObject();
    const QMetaMethod method = meta->method(meta->indexOfMethod("entriesProblem()"));
    QVariant problem(method.returnMetaType());
    if (!method.isValid() ||
        !method.invoke(control, Qt::DirectConnection,
                       QGenericReturnArgument(method.typeName(), problem.data()))) {
        return {};
    }
    if (QByteArray(method.typeName()) == QMetaType::fromType<std::optional<QString>>().name()) {
        return static_cast<const std::optional<QString>*>(problem.constData())->value_or(QString());
    }
    return problem.toString();
}

bool connect_control_signal(QWidget* control, const char* signal, QObject* receiver,
                            const char* slot) {
    if (control == nullptr) {
        return false;
    }
    // The control's class is known by name only: its signal is found through the meta-object
    // system.
    const QMetaObject* sender_meta = control->metaObject();
    const QMetaObject* receiver_meta = receiver->metaObject();
    const QMetaMethod raised = sender_meta->method(
        sender_meta->indexOfSignal(QMetaObject::normalizedSignature(signal).constData()));
    const QMetaMethod called = receiver_meta->method(
        receiver_meta->indexOfSlot(QMetaObject::normalizedSignature(slot).constData()));
    return raised.isValid() && called.isValid() &&
           static_cast<bool>(QObject::connect(control, raised, receiver, called));
}

Status assign_coordinate_system(QWidget* control, const CoordSystem& record) {
    if (control == nullptr || !control->setProperty(kProperty, QVariant::fromValue(record))) {
        return Error{"the control " + class_name().toStdString() + " is not available"};
    }
    return kSuccess;
}

}  // namespace korv
