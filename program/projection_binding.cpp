#include "projection_binding.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QVariant>

#include "control_factory.h"
#include "error_message.h"
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
        return Error{ErrorCode::kControlNotCreated, {error.toStdString()}};
    }
    return control;
}

Result<CoordSystem> read_coordinate_system(QWidget* control) {
    bool accepted = false;
    if (control == nullptr ||
        !QMetaObject::invokeMethod(control, "acceptEntries", Qt::DirectConnection,
                                   Q_RETURN_ARG(bool, accepted))) {
        const Error missing{ErrorCode::kControlNotAvailable, {class_name().toStdString()}};
        show_message(error_message(missing));
        return missing;
    }
    if (!accepted) {
        return Error{ErrorCode::kControlEntriesRefused};  // the control has told the user why
    }
    const QVariant value = control->property(kProperty);
    if (!value.canConvert<CoordSystem>()) {
        const Error none{ErrorCode::kControlGaveNoDefinition};
        show_message(error_message(none));
        return none;
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

std::optional<QString> entries_problem(QWidget* control) {
    std::optional<QString> problem;
    if (control != nullptr) {
        QMetaObject::invokeMethod(control, "entriesProblem", Qt::DirectConnection,
                                  Q_RETURN_ARG(std::optional<QString>, problem));
    }
    return problem;
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
        return Error{ErrorCode::kControlNotAvailable, {class_name().toStdString()}};
    }
    return kSuccess;
}

}  // namespace korv
