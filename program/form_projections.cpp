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

#include "conversion_test_panel.h"
#include "datum_shift_frame.h"
#include "message_box.h"
#include "program_folder.h"
#include "projection_binding.h"
#include "settings_store.h"
#include "source_settings.h"
#include "startup_steps.h"

namespace korv {
namespace {

QString datum_file_path() {
    return QDir(program_folder()).filePath(QStringLiteral("datum.csv"));
}

// Tells the user when a change to the datum list did not reach "datum.csv"; true when it did not.
bool report_unsaved(DefineResult result, const DatumList& list, const std::string& name) {
    const QString path = QDir::toNativeSeparators(QString::fromStdString(list.path()));
    switch (result) {
        case DefineResult::kUnchanged:
        case DefineResult::kSaved:
            return false;
        case DefineResult::kNotSaved:
            show_message(QStringLiteral("The datum shift list could not be written to \"%1\". "
                                        "\"%2\" is used for this session only.")
                             .arg(path, QString::fromStdString(name)));
            return true;
        case DefineResult::kListFull:
            show_message(QStringLiteral("The datum shift list is full (%1 entries). \"%2\" is "
                                        "used for this session only and not added to the list.")
                             .arg(DatumList::kMaxEntries)
                             .arg(QString::fromStdString(name)));
            return true;
    }
    return false;
}

}  // namespace

Form_projections::Form_projections(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form_projections"));
    build_panel();

    Frame_transform_test = new ConversionTestPanel(state_, this);
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
    QString error;
    vxProjection = create_projection_control(Frame_source_data_coordinate_system, error);
    if (vxProjection != nullptr) {
        vxProjection->setObjectName(QStringLiteral("vxProjection"));
        source_layout->addWidget(vxProjection);
    } else {
        auto* missing =
            new QLabel(tr("The coordinate system control cannot be shown: %1").arg(error),
                       Frame_source_data_coordinate_system);
        missing->setWordWrap(true);
        source_layout->addWidget(missing);
    }

    Frame_datum_shift = new DatumShiftFrame(Frame_projection);

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
        const SettingsStore store(kSettingsApplication);
        load_source_coord_system(store, state_.source_coord_system);
    });
    run_startup_step([this] {
        Frame_projection->setVisible(true);
        setWindowTitle(QStringLiteral("Define Source Datum Definitions"));
    });
    run_startup_step([this] {
        // A record the control refuses (a damaged settings file) leaves it usable with its own
        // values; start-up goes on.
        assign_coordinate_system(vxProjection, state_.source_coord_system);
    });
    run_startup_step([this] {
        datum_list_ = std::make_unique<DatumList>(datum_file_path().toStdString());
        datum_list_->load_datum_list();
        Frame_datum_shift->fill(*datum_list_, state_.current_datum_shift.name);
    });
    run_startup_step([this] {
        if (const std::optional<std::string>& backup = datum_list_->backup_made()) {
            // Told once the dialog is up, over it.
            const QString text =
                QStringLiteral(
                    "\"%1\" could not be used as a datum shift list and was replaced "
                    "by the two published shifts. Its content is kept in \"%2\".")
                    .arg(QDir::toNativeSeparators(QString::fromStdString(datum_list_->path())),
                         QDir::toNativeSeparators(QString::fromStdString(*backup)));
            QTimer::singleShot(0, this, [text] { show_message(text); });
        }
    });
}

int32_t Form_projections::validate_source_definition() {
    int32_t status = read_coordinate_system(vxProjection, state_.source_coord_system);
    if (status >= 0 && Frame_datum_shift->selected_position() >= 1) {
        if (const std::optional<QString> refusal = Frame_datum_shift->check_boxes()) {
            show_message(*refusal);
            status = -1;
        }
    }
    return status;
}

void Form_projections::Command_done_Click(int Index) {
    if (validate_source_definition() < 0) {
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
    DatumShift& current = state_.current_datum_shift;
    current.name = Frame_datum_shift->trimmed_name();
    set_values(current, Frame_datum_shift->box_values());
    prepare(current);

    const bool list_entry = Frame_datum_shift->selected_position() >= 1;
    bool reported = false;
    if (list_entry && datum_list_ != nullptr) {
        reported = report_unsaved(datum_list_->define_datum_shift(current.name, values_of(current)),
                                  *datum_list_, current.name);
    }
    state_.committed_coord_system = state_.source_coord_system;
    if (Index == 0 && list_entry && datum_list_ != nullptr && !datum_list_->save_datum_list() &&
        !reported) {
        report_unsaved(DefineResult::kNotSaved, *datum_list_, current.name);
    }
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
    const QString failure = save_source_coord_system(store, state_.source_coord_system);
    if (!failure.isEmpty()) {
        show_message(
            QStringLiteral("The source coordinate system could not be saved: %1.").arg(failure));
    }
}

}  // namespace korv
