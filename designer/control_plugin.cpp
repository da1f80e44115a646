#include "control_plugin.h"

#include <QIcon>

ControlPlugin::ControlPlugin(const QString& class_name, const QString& include_file,
                             const QString& object_name, const QString& tool_tip, QObject* parent)
    : QObject(parent),
      class_name_(class_name),
      include_file_(include_file),
      object_name_(object_name),
      tool_tip_(tool_tip) {}

QString ControlPlugin::group() const {
    return QStringLiteral("Quarrow Controls");
}

QIcon ControlPlugin::icon() const {
    return {};
}

void ControlPlugin::initialize(QDesignerFormEditorInterface* /*core*/) {
    initialized_ = true;
}

QString ControlPlugin::domXml() const {
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"%1\" name=\"%2\"/>\n"
               "</ui>\n")
        .arg(class_name_, object_name_);
}
