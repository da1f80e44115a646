#pragma once
// The PointTransform control in Qt Designer.

#include "control_plugin.h"

class PointTransformPlugin : public ControlPlugin {
    Q_OBJECT

public:
    explicit PointTransformPlugin(QObject* parent);
    QWidget* createWidget(QWidget* parent) override;
};
