#pragma once
// The Projection control in Qt Designer.

#include "control_plugin.h"

class ProjectionPlugin : public ControlPlugin {
    Q_OBJECT

public:
    explicit ProjectionPlugin(QObject* parent);
    QWidget* createWidget(QWidget* parent) override;
};
