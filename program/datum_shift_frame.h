#pragma once
// The frame "Frame_datum_shift": the datum shift drop-down `Combo_transform` (editable, "None"
// first, then the list's entries) with the line that identifies the shift under it, the seven
// value boxes, "Calculate Inverse" and "Add from EPSG...".

#include <QGroupBox>
#include <array>
#include <optional>

#include "datum_list.h"
#include "result.h"

class QLineEdit;
class QPushButton;

namespace korv {

class CatalogueOnDemand;
class PickListComboBox;
class ShiftIdentityLine;

class DatumShiftFrame : public QGroupBox {
    Q_OBJECT

public:
    // The identification line reaches the EPSG catalogue through `catalogue`.
    explicit DatumShiftFrame(CatalogueOnDemand& catalogue, QWidget* parent = nullptr);

    // Fills the drop-down from the list and selects the last entry named as `current_name`
    // (case aside), or "None"; the boxes then show the selection.
    void fill(const DatumList& list, const std::string& current_name);

    // Fills the drop-down from the list again and selects the first entry named `name` (case
    // aside), as the user's pick does; false, changing nothing, when the list holds none.
    bool select_entry_named(const DatumList& list, const std::string& name);

    // The position of the selected list entry (1 to count), 0 for "None", -1 once the user has
    // typed into the drop-down. Only the user's pick from the list selects an entry; "Calculate
    // Inverse" can be pressed only while one is selected.
    int32_t selected_position() const { return selected_position_; }

    // The drop-down's text, trimmed.
    std::string trimmed_name() const;

    // Whether the definition can be taken when a list entry is selected: an error for an empty
    // name, a box that is not numeric, or a name "datum.csv" cannot keep whole with these values
    // (one with a comma, or too long), the message being the first such failure's text (shown
    // through this class's tr()).
    Status check_boxes() const;

    // The shift as typed: the drop-down's text, trimmed, and the seven boxes, each the value it
    // was shown with while it holds the text shown for it, else read with the leading-number
    // rule.
    DatumShift typed_shift() const;

    // The change to the selected list entry, while it bears the picked entry's name (after
    // "Calculate Inverse" the boxes hold a new entry of another name).
    std::optional<DatumEntryEdit> entry_edit() const;

    // The selected entry as the list stored it: later edits are changes to it, and the boxes show
    // what another copy of the program saved for the values this run did not change.
    void entry_stored(const DatumShift& entry);

    // The captions of the marked values, in file order and joined ("DX, DZ").
    static QString captions_of(const std::array<bool, kDatumValues.size()>& values);

    void Combo_transform_Click();
    void Command_inverse_Click();

signals:
    // "Add from EPSG..." was pressed.
    void addFromEpsgRequested();

private:
    void fill_and_select(const DatumList& list, int32_t position);
    void select_position(int32_t position);
    // The shift the drop-down and the boxes state; nothing for "None" or an empty name.
    std::optional<DatumShift> chosen_shift() const;
    // The list entry at the selected position; null for "None", a typed name, or a position the
    // list no longer holds.
    const DatumShift* selected_entry() const;
    void show_values(const DatumShift& shift);

    const DatumList* list_ = nullptr;
    DatumShift picked_;  // the selected entry as it was picked or last stored
    DatumShift shown_;   // the values the boxes were last filled with
    PickListComboBox* Combo_transform = nullptr;
    QPushButton* Command_inverse = nullptr;
    QPushButton* Command_epsg_shift = nullptr;
    ShiftIdentityLine* Label_epsg_shift = nullptr;
    // Text_dx, Text_dy, Text_dz, Text_rx, Text_ry, Text_rz, Text_sc.
    std::array<QLineEdit*, 7> boxes_{};
    int32_t selected_position_ = -1;
};

}  // namespace korv
