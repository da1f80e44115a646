#pragma once
// A window that places the PointTransform control, so a user can try it: whenever the control's
// transform changes, the window lists the record's sixteen fields; "Read Transform" has the
// control accept its entries, "Assign Example" assigns a sample record to its property
// pointTransform. The control is created by its class name and reached late-bound, as hosts that
// do not link the control library do.

#include <QMetaProperty>
#include <QWidget>

#include "record_metatypes.h"

class QPlainTextEdit;
class QPushButton;

namespace korv {

class HostWindow : public QWidget {
    Q_OBJECT

public:
    explicit HostWindow(QWidget* parent = nullptr);

    // Assigns the example transform and gives the record the control then holds, as the window
    // lists it; empty when the control could not be created.
    QString check();
    // Why the control could not be created; empty when it was.
    const QString& creation_error() const { return creation_error_; }

private:
    // The control's property pointTransform.
    QMetaProperty transform_property() const;

    Q_SLOT void Control_pointTransformChanged(const korv::CoordTransform& record);
    void Command_read_Click();
    void Command_assign_Click();

    QWidget* control_ = nullptr;  // null when the control library could not be loaded
    QString creation_error_;
    QPushButton* Command_read = nullptr;
    QPushButton* Command_assign = nullptr;
    QPlainTextEdit* Text_record = nullptr;
};

}  // namespace korv
