#pragma once
// A window that places the PointTransform control, so a user can try it: "Read Transform" reads
// the control's property PointTransform and lists the record's sixteen fields, "Assign Example"
// hands the control a sample record. The control is created by its class name and reached
// late-bound, as hosts that do not link the control library do.

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace korv {

class HostWindow : public QWidget {
    Q_OBJECT

public:
    explicit HostWindow(QWidget* parent = nullptr);

private:
    void Command_read_Click();
    void Command_assign_Click();

    QWidget* control_ = nullptr;  // null when the control library could not be loaded
    QPushButton* Command_read = nullptr;
    QPushButton* Command_assign = nullptr;
    QPlainTextEdit* Text_record = nullptr;
};

}  // namespace korv
