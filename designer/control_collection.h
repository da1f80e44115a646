#pragma once
// The Designer plugin: one collection holding every control of the system, each through its own
// small plugin class.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

class ControlCollection : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit ControlCollection(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return controls_; }

private:
    QList<QDesignerCustomWidgetInterface*> controls_;
};
