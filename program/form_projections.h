#pragma once
// The program's one window, "Define Source Datum Definitions". Its panel holds the source
// coordinate system (the Projection control, "From EPSG..." and the line naming the published
// systems it is), the datum shift frame and the buttons "Test Transform", "Cancel" and "Done"; the
// conversion test panel lies over it when shown. The source coordinate system is read from the
// settings store at start-up and written back whenever the window closes. It is shown modeless;
// Enter presses "Done" (but not in the datum shift drop-down) and Escape "Cancel", or the test
// panel's "Done" while that panel is shown.

#include <QDialog>
#include <memory>

#include "datum_list.h"
#include "program_state.h"
#include "result.h"

class QFrame;
class QGroupBox;
class QPushButton;

namespace korv {

class CatalogueOnDemand;
class ConversionTestPanel;
class DatumShiftFrame;
class SystemIdentityLine;

class Form_projections : public QDialog {
    Q_OBJECT

public:
    explicit Form_projections(QWidget* parent = nullptr);
    ~Form_projections() override;

    // Start-up: reads the source coordinate system, shows it, loads the datum list. Never stops
    // on a failing step. When an unusable "datum.csv" was replaced, the user is told where its
    // content is kept, once the event loop runs.
    void Form_Load();

    const ProgramState& state() const { return state_; }
    const DatumList* datum_list() const { return datum_list_.get(); }

    // "Done" (index 0) and "Test Transform" (index 1).
    void Command_done_Click(int Index);

    // "From EPSG...": the system picked from the published ones fills the Projection control.
    void Command_epsg_system_Click();
    // "Add from EPSG...": the published shift picked joins the datum list and is selected.
    void Command_epsg_shift_Click();

    // Escape: hides the test panel as its "Done" does while it is shown, else leaves the dialog
    // as "Cancel" does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_panel();
    void Cancel_Click();
    // Reads the Projection control back into the source coordinate system and checks the datum
    // shift boxes; an error when the definition is refused, the user having been told why.
    Status validate_source_definition();
    // Makes the typed datum shift current and, for a list entry, stores it.
    void take_datum_shift(int Index);
    // Stores the change to the selected list entry, or the new entry "Calculate Inverse" named;
    // true when the user was told it did not reach the file.
    bool store_list_entry();
    void show_test_panel();
    // Writes the settings; runs once, whatever closes the window.
    void Form_Unload();

    QFrame* Frame_projection = nullptr;
    QGroupBox* Frame_source_data_coordinate_system = nullptr;
    QWidget* vxProjection = nullptr;  // null when the control library cannot be loaded
    QPushButton* Command_epsg_system = nullptr;
    SystemIdentityLine* Label_epsg_system = nullptr;
    DatumShiftFrame* Frame_datum_shift = nullptr;
    QPushButton* Command_done[2] = {nullptr, nullptr};
    QPushButton* Cancel = nullptr;
    ConversionTestPanel* Frame_transform_test = nullptr;

    CatalogueOnDemand* catalogue_ = nullptr;
    ProgramState state_;
    std::unique_ptr<DatumList> datum_list_;
    bool unloaded_ = false;
};

}  // namespace korv
