#include "datum_shift_frame.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "numeric_text.h"
#include "pick_list_combo_box.h"
#include "shift_identity_line.h"
#include "shown_number.h"
#include "trim.h"

namespace korv {
namespace {

// In the order of the seven values (kDatumValues).
struct Box {
    const char* name;
    const char* caption;
    ErrorCode invalid;
};

constexpr std::array<Box, kDatumValues.size()> kBoxes = {{
    {"Text_dx", QT_TRANSLATE_NOOP("korv::DatumShiftFrame", "DX"), ErrorCode::kShiftDxInvalid},
    {"Text_dy", QT_TRANSLATE_NOOP("korv::DatumShiftFrame", "DY"), ErrorCode::kShiftDyInvalid},
    {"Text_dz", QT_TRANSLATE_NOOP("korv::DatumShiftFrame", "DZ"), ErrorCode::kShiftDzInvalid},
    {"Text_rx", QT_TRANSLATE_NOOP("korv::DatumShiftFrame", "RX"), ErrorCode::kShiftRxInvalid},
    {"Text_ry", QT_TRANSLATE_NOOP("korv::DatumShiftFrame", "RY"), ErrorCode::kShiftRyInvalid},
    {"Text_rz", QT_TRANSLATE_NOOP("korv::DatumShiftFrame", "RZ"), ErrorCode::kShiftRzInvalid},
    {"Text_sc", QT_TRANSLATE_NOOP("korv::DatumShiftFrame", "SC"), ErrorCode::kShiftScInvalid},
}};

constexpr int kValueDecimals = 4;

}  // namespace

DatumShiftFrame::DatumShiftFrame(CatalogueOnDemand& catalogue, QWidget* parent)
    : QGroupBox(tr("Optional Datum shift between source datum and map display datum"), parent) {
    setObjectName(QStringLiteral("Frame_datum_shift"));

    Combo_transform = new PickListComboBox(this);
    Combo_transform->setObjectName(QStringLiteral("Combo_transform"));
    Combo_transform->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo_transform->setMinimumContentsLength(24);
    auto* transform_label = new QLabel(tr("Transform"), this);
    transform_label->setBuddy(Combo_transform);

    Command_inverse = new QPushButton(tr("Calculate Inverse"), this);
    Command_inverse->setObjectName(QStringLiteral("Command_inverse"));
    Command_inverse->setEnabled(false);  // until an entry is selected
    Command_epsg_shift = new QPushButton(tr("Add from EPSG..."), this);
    Command_epsg_shift->setObjectName(QStringLiteral("Command_epsg_shift"));
    Command_epsg_shift->setToolTip(
        tr("Add a published Helmert transformation of the EPSG dataset to the list"));
    Label_epsg_shift = new ShiftIdentityLine(
        catalogue, [this] { return chosen_shift(); }, this);

    // Every pick, the selected entry's too, puts the entry's name and values back.
    connect(Combo_transform, &QComboBox::activated, this, [this](int index) {
        select_position(index);
        Combo_transform_Click();
        Label_epsg_shift->identify();
    });
    // Typing makes the text a name of the user's own: no list entry is selected any more.
    connect(Combo_transform->lineEdit(), &QLineEdit::textEdited, this, [this] {
        select_position(-1);
        Label_epsg_shift->identify();
    });
    connect(Command_inverse, &QPushButton::clicked, this, &DatumShiftFrame::Command_inverse_Click);
    connect(Command_epsg_shift, &QPushButton::clicked, this,
            &DatumShiftFrame::addFromEpsgRequested);

    auto* grid = new QGridLayout(this);
    grid->addWidget(transform_label, 0, 0);
    grid->addWidget(Combo_transform, 0, 1, 1, 5);
    grid->addWidget(Command_inverse, 0, 6);
    grid->addWidget(Command_epsg_shift, 0, 7);
    grid->addWidget(Label_epsg_shift, 1, 1, 1, 7);
    // Translations on the first row of values, rotations on the second, the scale below.
    for (size_t i = 0; i < kBoxes.size(); ++i) {
        auto* box = new QLineEdit(QStringLiteral("0.0000"), this);
        box->setObjectName(QString::fromLatin1(kBoxes[i].name));
        auto* label = new QLabel(tr(kBoxes[i].caption), this);
        label->setBuddy(box);
        const int row = 2 + static_cast<int>(i) / 3;
        const int column = 2 * (static_cast<int>(i) % 3);
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
        connect(box, &QLineEdit::textEdited, Label_epsg_shift, &ShiftIdentityLine::identify);
        boxes_[i] = box;
    }
    for (int column : {1, 3, 5}) {
        grid->setColumnStretch(column, 1);
    }
}

void DatumShiftFrame::fill(const DatumList& list, const std::string& current_name) {
    int32_t position = 0;
    for (int32_t k = 1; k <= list.count(); ++k) {
        if (same_name(list.entry(k).name, current_name)) {
            position = k;
        }
    }
    fill_and_select(list, position);
}

bool DatumShiftFrame::select_entry_named(const DatumList& list, const std::string& name) {
    for (int32_t k = 1; k <= list.count(); ++k) {
        if (same_name(list.entry(k).name, name)) {
            fill_and_select(list, k);
            return true;
        }
    }
    return false;
}

void DatumShiftFrame::fill_and_select(const DatumList& list, int32_t position) {
    list_ = &list;
    {
        const QSignalBlocker quiet(Combo_transform);
        Combo_transform->clear();
        // Not translated: the entry's text becomes the current shift's name when taken, and the
        // conversion test knows a shift by the name "None".
        Combo_transform->addItem(QStringLiteral("None"));
        for (int32_t k = 1; k <= list.count(); ++k) {
            Combo_transform->addItem(QString::fromStdString(list.entry(k).name));
        }
        // Through "nothing selected" so that the boxes are always filled from the selection.
        Combo_transform->setCurrentIndex(-1);
        Combo_transform->setCurrentIndex(position);
    }
    select_position(position);
    Combo_transform_Click();
    Label_epsg_shift->refresh();
}

std::string DatumShiftFrame::trimmed_name() const {
    return std::string(trimmed(Combo_transform->currentText().toStdString()));
}

Status DatumShiftFrame::check_boxes() const {
    const std::string name = trimmed_name();
    if (name.empty()) {
        return Error{ErrorCode::kTransformNameMissing};
    }
    if (name.find(',') != std::string::npos) {
        // "datum.csv" separates its fields with commas and has no quoting.
        return Error{ErrorCode::kTransformNameHasComma};
    }
    for (size_t i = 0; i < kBoxes.size(); ++i) {
        if (!is_numeric(boxes_[i]->text().toStdString())) {
            return Error{kBoxes[i].invalid};
        }
    }
    if (name_that_fits(name, typed_shift()) != name) {
        // Its line in "datum.csv" would be longer than the list reads back whole.
        return Error{ErrorCode::kTransformNameTooLong};
    }
    return kSuccess;
}

DatumShift DatumShiftFrame::typed_shift() const {
    DatumShift shift;
    shift.name = trimmed_name();
    for (size_t i = 0; i < kBoxes.size(); ++i) {
        double DatumShift::*value = kDatumValues[i];
        shift.*value =
            number_as_shown(boxes_[i]->text().toStdString(), shown_.*value, kValueDecimals);
    }
    return shift;
}

std::optional<DatumEntryEdit> DatumShiftFrame::entry_edit() const {
    if (selected_entry() == nullptr || trimmed_name() != trimmed(picked_.name)) {
        return std::nullopt;
    }
    DatumShift edited = typed_shift();
    edited.name = picked_.name;
    return DatumEntryEdit{selected_position_, picked_, edited};
}

void DatumShiftFrame::entry_stored(const DatumShift& entry) {
    picked_ = entry;
    if (!typed_shift().same_values(entry, 0)) {
        show_values(entry);
        Label_epsg_shift->refresh();
    }
}

QString DatumShiftFrame::captions_of(const std::array<bool, kDatumValues.size()>& values) {
    QStringList captions;
    for (size_t i = 0; i < kBoxes.size(); ++i) {
        if (values[i]) {
            captions << tr(kBoxes[i].caption);
        }
    }
    return captions.join(QStringLiteral(", "));
}

std::optional<DatumShift> DatumShiftFrame::chosen_shift() const {
    DatumShift shift = typed_shift();
    return shift.is_none() ? std::nullopt : std::optional<DatumShift>(std::move(shift));
}

void DatumShiftFrame::select_position(int32_t position) {
    selected_position_ = position;
    Command_inverse->setEnabled(selected_entry() != nullptr);
}

const DatumShift* DatumShiftFrame::selected_entry() const {
    const bool in_list =
        list_ != nullptr && selected_position_ >= 1 && selected_position_ <= list_->count();
    return in_list ? &list_->entry(selected_position_) : nullptr;
}

void DatumShiftFrame::show_values(const DatumShift& shift) {
    shown_ = shift;
    for (size_t i = 0; i < kBoxes.size(); ++i) {
        boxes_[i]->setText(
            QString::fromStdString(format_fixed(shift.*kDatumValues[i], kValueDecimals)));
    }
}

void DatumShiftFrame::Combo_transform_Click() {
    if (const DatumShift* entry = selected_entry()) {
        picked_ = *entry;
        Combo_transform->setEditText(QString::fromStdString(entry->name));
        show_values(*entry);
    } else {
        show_values(DatumShift{});
    }
}

void DatumShiftFrame::Command_inverse_Click() {
    // Works from the selected entry only; with "None" or a typed name there is nothing to invert.
    const DatumShift* entry = selected_entry();
    if (entry == nullptr) {
        return;
    }
    const DatumShift inverse = entry->inverted();
    Combo_transform->setEditText(QString::fromStdString(inverse.name));
    show_values(inverse);
    Label_epsg_shift->identify();
}

}  // namespace korv
