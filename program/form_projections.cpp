#include "form_projections.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "catalogue_on_demand.h"
#include "conversion_test_panel.h"
#include "datum_list_place.h"
#include "datum_shift_frame.h"
#include "error_message.h"
#include "message_box.h"
#include "pick_from_catalogue.h"
#include "projection_binding.h"
#include "settings_store.h"
#include "shift_picker_dialog.h"
#include "source_settings.h"
#include "startup_steps.h"
#include "system_identity_line.h"
#include "system_picker_dialog.h"

namespace korv {
namespace {

// Tells the user when a change to the datum list did not reach "datum.csv"; true when it did not.
template <typename T>
bool report_unsaved(const Result<T>& result, const std::string& name) {
    if (result) {
        return false;
    }
    // The words name the entry after what the list names (the file or the most entries).
    Error error = result.error();
    error.values.push_back(name);
    show_message(error_message(error));
    return true;
}

}  // namespace

Form_projections::Form_projections(QWidget* parent)
    : QDialog(parent), catalogue_(new CatalogueOnDemand(this)) {
    setObjectName(QStringLiteral("Form_projections"));
    build_panel();

    Frame_transform_test = new ConversionTestPanel(state_, *catalogue_, this);
    Frame_transform_test->setVisible(false);
    connect(Frame_transform_test, &ConversionTestPanel::closed, this, [this] {
        Frame_projection->setEnabled(true);
        Command_done[1]->setFocus();
    });

    // Both panels share one cell, so the test panel lies exactly over the dialog's panel.
    auto* window = new QGridLayout(this);
    window->addWidget(Frame_projection, 0, 0);
    window->addWidget(Frame_transform_test, 0, 0);
}

Form_projections::~Form_projections() = default;

void Form_projections::build_panel() {
    Frame_projection = new QFrame(this);
    Frame_projection->setObjectName(QStringLiteral("Frame_projection"));
    Frame_projection->setVisible(false);

    Frame_source_data_coordinate_system =
        new QGroupBox(tr("Coordinate System for Source Data"), Frame_projection);
    Frame_source_data_coordinate_system->setObjectName(
        QStringLiteral("Frame_source_data_coordinate_system"));
    auto* source_layout = new QVBoxLayout(Frame_source_data_coordinate_system);
    const Result<QWidget*> control = create_projection_control(Frame_source_data_coordinate_system);
    if (control) {
        vxProjection = *control;
        vxProjection->setObjectName(QStringLiteral("vxProjection"));
        source_layout->addWidget(vxProjection);
    } else {
        auto* missing =
            new QLabel(error_message(control.error()), Frame_source_data_coordinate_system);
        missing->setWordWrap(true);
        source_layout->addWidget(missing);
    }
    // Under the control, the published systems its definition is, and the button that fills it
    // with one.
    Label_epsg_system =
        new SystemIdentityLine(*catalogue_, vxProjection, Frame_source_data_coordinate_system);
    Command_epsg_system = new QPushButton(tr("From EPSG..."), Frame_source_data_coordinate_system);
    Command_epsg_system->setObjectName(QStringLiteral("Command_epsg_system"));
    Command_epsg_system->setToolTip(
        tr("Fill in a published projected coordinate system of the EPSG dataset"));
    Command_epsg_system->setEnabled(vxProjection != nullptr);
    connect(Command_epsg_system, &QPushButton::clicked, this,
            &Form_projections::Command_epsg_system_Click);
    auto* epsg_row = new QHBoxLayout;
    epsg_row->addWidget(Label_epsg_system, 1);
    epsg_row->addWidget(Command_epsg_system, 0, Qt::AlignTop);
    source_layout->addLayout(epsg_row);

    Frame_datum_shift = new DatumShiftFrame(*catalogue_, Frame_projection);
    connect(Frame_datum_shift, &DatumShiftFrame::addFromEpsgRequested, this,
            &Form_projections::Command_epsg_shift_Click);

    Command_done[1] = new QPushButton(tr("Test Transform"), Frame_projection);
    Command_done[1]->setObjectName(QStringLiteral("Command_done1"));
    Cancel = new QPushButton(tr("Cancel"), Frame_projection);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Command_done[0] = new QPushButton(tr("Done"), Frame_projection);
    Command_done[0]->setObjectName(QStringLiteral("Command_done0"));
    Command_done[0]->setDefault(true);
    for (int index : {0, 1}) {
        connect(Command_done[index], &QPushButton::clicked, this,
                [this, index] { Command_done_Click(index); });
    }
    connect(Cancel, &QPushButton::clicked, this, &Form_projections::Cancel_Click);

    // "Test Transform" left, "Cancel" in the middle, "Done" right.
    auto* buttons = new QGridLayout;
    buttons->addWidget(Command_done[1], 0, 0, Qt::AlignLeft);
    buttons->addWidget(Cancel, 0, 1, Qt::AlignHCenter);
    buttons->addWidget(Command_done[0], 0, 2, Qt::AlignRight);
    for (int column : {0, 1, 2}) {
        buttons->setColumnStretch(column, 1);
    }

    auto* panel = new QVBoxLayout(Frame_projection);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(Frame_source_data_coordinate_system);
    panel->addWidget(Frame_datum_shift);
    panel->addStretch();
    panel->addLayout(buttons);
}

void Form_projections::Form_Load() {
    run_startup_step([this] {
        if (const Result<StoredSourceSystem> stored = stored_source_system()) {
            state_.source_coord_system = as_record(stored->definition, stored->name);
        }
    });
    run_startup_step([this] {
        Frame_projection->setVisible(true);
        setWindowTitle(tr("Define Source Datum Definitions"));
    });
    run_startup_step([this] {
        // A record the control cannot show (a damaged settings file) leaves it usable with its
        // own values, and start-up shows no message: it goes on.
        (void)assign_coordinate_system(vxProjection, state_.source_coord_system);
    });
    run_startup_step([this] {
        datum_list_ = std::make_unique<DatumList>(datum_list_path());
        datum_list_->load_datum_list();
        Frame_datum_shift->fill(*datum_list_, state_.current_datum_shift.name);
    });
    run_startup_step([this] {
        if (const std::optional<std::string>& backup = datum_list_->backup_made()) {
            // Told once the dialog is up, over it.
            const QString text =
                tr("\"%1\" could not be used as a datum shift list and was replaced by the two "
                   "published shifts. Its content is kept in \"%2\".")
                    .arg(QDir::toNativeSeparators(QString::fromStdString(datum_list_->path())),
                         QDir::toNativeSeparators(QString::fromStdString(*backup)));
            QTimer::singleShot(0, this, [text] { show_message(text); });
        }
    });
}

Status Form_projections::validate_source_definition() {
    const Result<CoordSystem> read = read_coordinate_system(vxProjection);
    if (!read) {
        return read.error();
    }
    state_.source_coord_system = *read;
    if (Frame_datum_shift->selected_position() >= 1) {
        const Status boxes = Frame_datum_shift->check_boxes();
        if (!boxes) {
            show_message(error_message(boxes.error()));
            return boxes;
        }
    }
    return kSuccess;
}

void Form_projections::Command_done_Click(int Index) {
    if (!validate_source_definition()) {
        return;
    }
    if (!Frame_datum_shift->trimmed_name().empty()) {
        take_datum_shift(Index);
    }
    if (Index == 1) {
        show_test_panel();
    } else {
        close();
    }
}

void Form_projections::take_datum_shift(int Index) {
    const bool list_entry = Frame_datum_shift->selected_position() >= 1;
    bool reported = false;
    if (list_entry && datum_list_ != nullptr) {
        reported = store_list_entry();
    }
    // Taken after storing, which may have brought values another copy saved into the boxes.
    DatumShift& current = state_.current_datum_shift;
    current = Frame_datum_shift->typed_shift();
    state_.committed_coord_system = state_.source_coord_system;
    if (Index == 0 && list_entry && datum_list_ != nullptr) {
        const Status saved = datum_list_->save_datum_list();
        if (!reported) {
            report_unsaved(saved, current.name);
        }
    }
}

bool Form_projections::store_list_entry() {
    const DatumShift typed = Frame_datum_shift->typed_shift();
    const std::optional<DatumEntryEdit> edit = Frame_datum_shift->entry_edit();
    if (!edit) {
        return report_unsaved(datum_list_->define_datum_shift(typed), typed.name);
    }
    const Result<DatumEntryEditOutcome> outcome = datum_list_->edit_entry(*edit);
    if (report_unsaved(outcome, typed.name)) {
        return true;
    }
    if (outcome->written) {
        Frame_datum_shift->entry_stored(outcome->entry);
        const QString overridden = DatumShiftFrame::captions_of(outcome->overridden);
        if (!overridden.isEmpty()) {
            show_message(
                tr("\"%1\" was changed in \"%3\" by another program while it was edited "
                   "here. For %2 the value entered here replaced the one saved there; "
                   "every other value saved there was kept.")
                    .arg(QString::fromStdString(typed.name), overridden,
                         QDir::toNativeSeparators(QString::fromStdString(datum_list_->path()))));
        }
    }
    return false;
}

void Form_projections::Command_epsg_system_Click() {
    const std::optional<PickedSystem> picked =
        pick_from_catalogue<SystemPickerDialog>(catalogue_->catalogue(), this);
    if (!picked) {
        return;
    }
    // Named as published: the name is what the settings keep of the definition.
    (void)assign_coordinate_system(vxProjection,
                                   as_record(picked->definition, picked->system.name));
    // Also when the control held that record already and so told of no change: its fields may
    // have held edits.
    Label_epsg_system->refresh();
}

void Form_projections::Command_epsg_shift_Click() {
    const std::optional<epsg::PublishedShift> picked =
        pick_from_catalogue<ShiftPickerDialog>(catalogue_->catalogue(), this);
    if (!picked || datum_list_ == nullptr) {
        return;
    }
    // Added as a shift the user defines: an entry of that name, case aside, takes its values, a
    // full list takes nothing, and a list that cannot be written holds it for the run.
    report_unsaved(datum_list_->define_datum_shift(picked->shift), picked->shift.name);
    Frame_datum_shift->select_entry_named(*datum_list_, picked->shift.name);
}

void Form_projections::show_test_panel() {
    Frame_projection->setEnabled(false);  // covered: nothing beneath may change meanwhile
    Frame_transform_test->setVisible(true);
    Frame_transform_test->raise();
    Frame_transform_test->focus_first_field();
}

void Form_projections::Cancel_Click() {
    close();
}

void Form_projections::reject() {
    if (Frame_transform_test->isVisible()) {
        Frame_transform_test->Command_done_test_Click();
    } else {
        Cancel_Click();
    }
}

void Form_projections::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form_projections::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    SettingsStore store(kSettingsApplication);
    const CoordSystem& source = state_.source_coord_system;
    const Status saved = save_source_system(store, {source.name, as_definition(source)});
    if (!saved) {
        show_message(tr("The source coordinate system could not be saved: %1.")
                         .arg(error_message(saved.error())));
    }
}

}  // namespace korv
