#include "host_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

#include "control_factory.h"
#include "record_metatypes.h"

namespace korv {
namespace {

constexpr char kControlClass[] = "KorvPointTransform.PointTransform";
constexpr char kTransformProperty[] = "pointTransform";

// A grid origin (1000, 2000) placed at (500000, 7000000), turned 1.5 degrees clockwise and
// scaled by 0.9996, with heights raised by 10. The second points are (1100, 2000) and its image.
CoordTransform example_transform() {
    CoordTransform record;
    record.rotation = 1.5;
    record.reserved_a = 1.0;
    record.xscale = 0.9996;
    record.yscale = 0.9996;
    record.gxmin = 1000;
    record.gxmax = 1100;
    record.mxmin = 500000;
    record.mxmax = 500099.925746205;
    record.gymin = 2000;
    record.gymax = 2000;
    record.mymin = 7000000;
    record.mymax = 6999997.38335225;
    record.zshift = 10;
    record.zscale = 1;
    return record;
}

// The record's fields in their fixed order, one a line.
QString record_text(const CoordTransform& record) {
    const std::pair<const char*, double> fields[] = {
        {"reserved_int", record.reserved_int},
        {"rotation", record.rotation},
        {"reserved_a", record.reserved_a},
        {"reserved_b", record.reserved_b},
        {"xscale", record.xscale},
        {"yscale", record.yscale},
        {"gxmin", record.gxmin},
        {"gxmax", record.gxmax},
        {"mxmin", record.mxmin},
        {"mxmax", record.mxmax},
        {"gymin", record.gymin},
        {"gymax", record.gymax},
        {"mymin", record.mymin},
        {"mymax", record.mymax},
        {"zshift", record.zshift},
        {"zscale", record.zscale},
    };
    QString text;
    for (const auto& [name, value] : fields) {
        text += QStringLiteral("%1 %2\n")
                    .arg(QString::fromLatin1(name), -14)
                    .arg(QString::number(value, 'g', 15));
    }
    return text;
}

}  // namespace

HostWindow::HostWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("PointTransform Control"));

    control_ = create_control(QString::fromLatin1(kControlClass), this, &creation_error_);
    QWidget* placed = control_;
    if (control_ == nullptr) {
        placed = new QLabel(QStringLiteral("The control %1 could not be created: %2")
                                .arg(QString::fromLatin1(kControlClass), creation_error_),
                            this);
    }

    Command_read = new QPushButton(QStringLiteral("Read Transform"), this);
    Command_read->setObjectName(QStringLiteral("Command_read"));
    Command_assign = new QPushButton(QStringLiteral("Assign Example"), this);
    Command_assign->setObjectName(QStringLiteral("Command_assign"));
    Command_read->setEnabled(control_ != nullptr);
    Command_assign->setEnabled(control_ != nullptr);

    auto* caption = new QLabel(QStringLiteral("Transform read from the control"), this);
    Text_record = new QPlainTextEdit(this);
    Text_record->setObjectName(QStringLiteral("Text_record"));
    Text_record->setReadOnly(true);
    Text_record->setFont(QFont(QStringLiteral("Monospace")));
    Text_record->setMinimumWidth(240);
    caption->setBuddy(Text_record);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command_read);
    buttons->addWidget(Command_assign);

    auto* side = new QVBoxLayout;
    side->addLayout(buttons);
    side->addWidget(caption);
    side->addWidget(Text_record, 1);

    auto* window = new QHBoxLayout(this);
    window->addWidget(placed);
    window->addLayout(side, 1);

    connect(Command_read, &QPushButton::clicked, this, &HostWindow::Command_read_Click);
    connect(Command_assign, &QPushButton::clicked, this, &HostWindow::Command_assign_Click);
    if (control_ != nullptr) {
        // The control's class is known by name only, so its change signal is found through the
        // meta-object system, as the property's notification.
        const QMetaMethod changed = metaObject()->method(
            metaObject()->indexOfMethod("Control_pointTransformChanged(korv::CoordTransform)"));
        connect(control_, transform_property().notifySignal(), this, changed);
    }
}

QMetaProperty HostWindow::transform_property() const {
    const QMetaObject* meta = control_->metaObject();
    return meta->property(meta->indexOfProperty(kTransformProperty));
}

void HostWindow::Control_pointTransformChanged(const korv::CoordTransform& record) {
    Text_record->setPlainText(record_text(record));
}

void HostWindow::Command_read_Click() {
    // Accepted entries come back through the change signal.
    bool accepted = false;
    QMetaObject::invokeMethod(control_, "acceptEntries", Q_RETURN_ARG(bool, accepted));
    if (!accepted) {
        // The control has shown what is wrong with its entries.
        Text_record->setPlainText(QStringLiteral("The control kept its transform."));
    }
}

QString HostWindow::check() {
    if (control_ == nullptr) {
        return {};
    }
    Command_assign_Click();
    return record_text(transform_property().read(control_).value<CoordTransform>());
}

void HostWindow::Command_assign_Click() {
    transform_property().write(control_, QVariant::fromValue(example_transform()));
}

}  // namespace korv
