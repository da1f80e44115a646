#include "projection_binding.h"

#include <QMetaObject>
#include <QVariant>
#include <QWidget>

#include "control_factory.h"
#include "message_box.h"
#include "record_metatypes.h"

namespace korv {

QWidget* create_projection_control(QWidget* parent, QString& error) {
    return create_control(QString::fromLatin1(kProjectionClassName), parent, &error);
}

int32_t read_coordinate_system(QWidget* control, CoordSystem& record) {
    QVariant value = QVariant::fromValue(record);
    int32_t ierr = -1;
    const bool called =
        control != nullptr &&
        QMetaObject::invokeMethod(control, "CoordinateSystem", Qt::DirectConnection,
                                  Q_RETURN_ARG(int32_t, ierr), Q_ARG(QVariant&, value));
    if (!called) {
        show_message(QStringLiteral("The coordinate system cannot be read: the control %1 is not "
                                    "available.")
                         .arg(QString::fromLatin1(kProjectionClassName)));
        return -1;
    }
    if (ierr == 0) {
        if (!value.canConvert<CoordSystem>()) {
            show_message(
                QStringLiteral("The coordinate system control handed back no definition."));
            return -1;
        }
        record = value.value<CoordSystem>();
    }
    return ierr;
}

QString assign_coordinate_system(QWidget* control, const CoordSystem& record) {
    QString error;
    const bool called =
        control != nullptr &&
        QMetaObject::invokeMethod(control, "setCoordinateSystem", Qt::DirectConnection,
                                  Q_RETURN_ARG(QString, error),
                                  Q_ARG(QVariant, QVariant::fromValue(record)), Q_ARG(int32_t, 0));
    if (!called) {
        return QStringLiteral("the control %1 is not available")
            .arg(QString::fromLatin1(kProjectionClassName));
    }
    return error;
}

}  // namespace korv
