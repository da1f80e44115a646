#pragma once
// The program's one window, "Define Source Datum Definitions": the source coordinate system, read
// from the settings store at start-up and written back whenever the window closes.

#include <QWidget>

#include "coord_system.h"

class QPushButton;
class QFrame;

namespace korv {

class Form_projections : public QWidget {
    Q_OBJECT

public:
    explicit Form_projections(QWidget* parent = nullptr);

    // Start-up: reads the source coordinate system and fills the window. Never stops on a
    // failing step.
    void Form_Load();

    const CoordSystem& source_coord_system() const { return source_coord_system_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Cancel_Click();
    // Writes the settings; runs once, whatever closes the window.
    void Form_Unload();

    QFrame* Frame_projection = nullptr;
    QPushButton* Cancel = nullptr;

    CoordSystem source_coord_system_;     // the value the dialog works on
    CoordSystem committed_coord_system_;  // the copy taken by "Done" and "Test Transform"
    bool unloaded_ = false;
};

}  // namespace korv
