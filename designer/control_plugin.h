#pragma once
// What every control offers Qt Designer: the group it is listed under, that it holds no other
// widgets, and the form text Designer writes when the control is dropped. Each control adds only
// its names, its tip and how to create it.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class ControlPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    // `class_name` is the C++ class with its namespace, `include_file` the header a form includes
    // and `object_name` the name a newly placed control gets.
    ControlPlugin(const QString& class_name, const QString& include_file,
                  const QString& object_name, const QString& tool_tip, QObject* parent);

    QString name() const override { return class_name_; }
    QString group() const override;
    QString toolTip() const override { return tool_tip_; }
    QString whatsThis() const override { return tool_tip_; }
    QString includeFile() const override { return include_file_; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    bool isInitialized() const override { return initialized_; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    QString class_name_;
    QString include_file_;
    QString object_name_;
    QString tool_tip_;
    bool initialized_ = false;
};
