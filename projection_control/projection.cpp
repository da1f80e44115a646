#include "projection.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <exception>

#include "command_button.h"
#include "error_message.h"
#include "message_box.h"
#include "projection_checks.h"
#include "projection_constants.h"
#include "projection_defaults.h"
#include "projection_fields.h"
#include "spheroids.h"
#include "spin_button.h"
#include "translations.h"

namespace korv {
namespace {

// Space between one row of fields and the captions of the next.
constexpr int kRowGap = 8;

QString text_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* text_box(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

QComboBox* list(const QString& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    return combo;
}

// Each of the five rows takes two grid rows: the captions, then the fields.
int caption_row(int row) {
    return 2 * row;
}
int field_row(int row) {
    return 2 * row + 1;
}

// A field in the grid: its caption above it, the caption's buddy being the box the user types
// in. `shown` is what takes the cell, the box itself or a group holding it. The caption is also
// the name screen readers speak: they find a buddy's caption only beside it, not from inside a
// group, and some speak a list by its selected entry unless it is named.
void add_field(QGridLayout* grid, int row, int column, const QString& caption, QWidget* buddy,
               QWidget* shown, int column_span = 1) {
    auto* label = new QLabel(caption, grid->parentWidget());
    label->setBuddy(buddy);
    buddy->setAccessibleName(caption);
    if (row > 0) {
        label->setContentsMargins(0, kRowGap, 0, 0);
    }
    grid->addWidget(label, caption_row(row), column, 1, column_span);
    grid->addWidget(shown, field_row(row), column, 1, column_span);
}

}  // namespace

Projection::Projection(QWidget* parent) : QWidget(parent) {
    install_translation(QStringLiteral("korv_projection"));
    build_fields();
    lay_out_fields();
    connect_handlers();
    UserControl_Initialize();
}

Projection::~Projection() = default;

void Projection::build_fields() {
    Combo_projection_ = list(QStringLiteral("Combo_projection"), this);
    for (std::string_view name : kProjectionNames) {
        Combo_projection_->addItem(tr(name.data()));
    }
    Text_zone_number_ = text_box(QStringLiteral("Text_zone_number"), QStringLiteral("0"), this);
    Spin1_ = new SpinButton(this);
    Spin1_->setObjectName(QStringLiteral("Spin1"));
    Spin1_->step_with_keys_of(Text_zone_number_);
    Spin1_->up_arrow()->setAccessibleName(tr("Next zone"));
    Spin1_->up_arrow()->setToolTip(tr("Next zone"));
    Spin1_->down_arrow()->setAccessibleName(tr("Previous zone"));
    Spin1_->down_arrow()->setToolTip(tr("Previous zone"));
    Spin1_->setFixedHeight(Text_zone_number_->sizeHint().height());

    Combo_spheroid_ = list(QStringLiteral("Combo_spheroid"), this);
    for (const Spheroid& spheroid : kSpheroids) {
        Combo_spheroid_->addItem(tr(spheroid.name.data()), spheroid.code);
    }
    Combo_hemisphere_ = list(QStringLiteral("Combo_hemisphere"), this);
    for (std::string_view name : kHemisphereNames) {
        Combo_hemisphere_->addItem(tr(name.data()));
    }

    const QString no_angle = QStringLiteral("000 0 0.00");
    Text_false_east_ = text_box(QStringLiteral("Text_false_east"), QStringLiteral("0"), this);
    Text_false_north_ = text_box(QStringLiteral("Text_false_north"), QStringLiteral("0"), this);
    Text_scale_factor_ =
        text_box(QStringLiteral("Text_scale_factor"), QStringLiteral("0.9996"), this);
    Text_longitude_origin_ = text_box(QStringLiteral("Text_longitude_origin"), no_angle, this);
    Text_latitude_origin_ = text_box(QStringLiteral("Text_latitude_origin"), no_angle, this);
    Text_zone_width_ =
        text_box(QStringLiteral("Text_zone_width"), QStringLiteral("6 0 0.00"), this);
    Text_standard_parallel_[1] =
        text_box(QStringLiteral("Text_standard_parallel1"), no_angle, this);
    Text_standard_parallel_[2] =
        text_box(QStringLiteral("Text_standard_parallel2"), no_angle, this);

    Command_reset_ = new QPushButton(tr("Reset"), this);
    Command_reset_->setObjectName(QStringLiteral("Command_reset"));
    Command_reset_->setToolTip(tr("Restore the original projection defintions"));
    press_with_enter(Command_reset_);

    text_boxes_ = {{
        {&ProjectionEntries::zone_number, Text_zone_number_},
        {&ProjectionEntries::longitude_origin, Text_longitude_origin_},
        {&ProjectionEntries::latitude_origin, Text_latitude_origin_},
        {&ProjectionEntries::standard_parallel_1, Text_standard_parallel_[1]},
        {&ProjectionEntries::standard_parallel_2, Text_standard_parallel_[2]},
        {&ProjectionEntries::false_east, Text_false_east_},
        {&ProjectionEntries::false_north, Text_false_north_},
        {&ProjectionEntries::scale_factor, Text_scale_factor_},
        {&ProjectionEntries::zone_width, Text_zone_width_},
    }};
}

void Projection::lay_out_fields() {
    auto* zone = new QWidget(this);
    auto* zone_row = new QHBoxLayout(zone);
    zone_row->setContentsMargins(0, 0, 0, 0);
    zone_row->setSpacing(1);
    zone_row->addWidget(Text_zone_number_);
    zone_row->addWidget(Spin1_);

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    add_field(grid, 0, 0, tr("Projection"), Combo_projection_, Combo_projection_, 2);
    add_field(grid, 0, 2, tr("Zone Number"), Text_zone_number_, zone);
    add_field(grid, 1, 0, tr("Spheroid"), Combo_spheroid_, Combo_spheroid_, 2);
    add_field(grid, 1, 2, tr("Hemisphere"), Combo_hemisphere_, Combo_hemisphere_);
    add_field(grid, 2, 0, tr("False Easting"), Text_false_east_, Text_false_east_);
    add_field(grid, 2, 1, tr("False Northing"), Text_false_north_, Text_false_north_);
    add_field(grid, 2, 2, tr("Scale Factor"), Text_scale_factor_, Text_scale_factor_);
    add_field(grid, 3, 0, tr("Longitude Origin"), Text_longitude_origin_, Text_longitude_origin_);
    add_field(grid, 3, 1, tr("Latitude Origin"), Text_latitude_origin_, Text_latitude_origin_);
    add_field(grid, 3, 2, tr("Zone Width"), Text_zone_width_, Text_zone_width_);
    add_field(grid, 4, 0, tr("Standard Parallel 1"), Text_standard_parallel_[1],
              Text_standard_parallel_[1]);
    add_field(grid, 4, 1, tr("Standard Parallel 2"), Text_standard_parallel_[2],
              Text_standard_parallel_[2]);
    grid->addWidget(Command_reset_, field_row(4), 2);
    for (int column = 0; column < 3; ++column) {
        grid->setColumnStretch(column, 1);
    }

    const QList<QWidget*> tab_order = {
        Combo_projection_,  Text_zone_number_,          Combo_spheroid_,
        Combo_hemisphere_,  Text_false_east_,           Text_false_north_,
        Text_scale_factor_, Text_longitude_origin_,     Text_latitude_origin_,
        Text_zone_width_,   Text_standard_parallel_[1], Text_standard_parallel_[2],
        Command_reset_,
    };
    for (qsizetype i = 1; i < tab_order.size(); ++i) {
        setTabOrder(tab_order[i - 1], tab_order[i]);
    }
}

void Projection::connect_handlers() {
    // The lists' defaults follow `activated`, which only the user's choice raises: showing a
    // record selects entries without overwriting its values.
    connect(Combo_projection_, &QComboBox::activated, this, &Projection::Combo_projection_Click);
    connect(Combo_hemisphere_, &QComboBox::activated, this, &Projection::Combo_hemisphere_Click);
    connect(Spin1_, &SpinButton::SpinDown, this, &Projection::Spin1_SpinDown);
    connect(Spin1_, &SpinButton::SpinUp, this, &Projection::Spin1_SpinUp);
    connect(Command_reset_, &QPushButton::clicked, this, &Projection::Command_reset_Click);

    // Connected after the handlers, so a host told of a list choice sees its defaults written.
    for (QComboBox* combo : {Combo_projection_, Combo_spheroid_, Combo_hemisphere_}) {
        connect(combo, &QComboBox::activated, this, &Projection::entriesEdited);
    }
    for (const TextBox& text_box : text_boxes_) {
        connect(text_box.box, &QLineEdit::textEdited, this, &Projection::entriesEdited);
    }
}

void Projection::UserControl_Initialize() {
    utilities_.init_coord_system(record_);
    show_stored_record();
}

void Projection::Command_reset_Click() {
    if (show_stored_record()) {
        emit entriesEdited();
    }
}

bool Projection::show_stored_record() {
    const Status shown = show_coord_system();
    if (!shown) {
        show_message(error_message(shown.error()));
    }
    return shown.ok();
}

void Projection::Combo_projection_Click() {
    const ProjectionDefaults defaults = projection_defaults(Combo_projection_->currentIndex(),
                                                            Combo_hemisphere_->currentIndex() + 1);
    if (defaults.select_northern_hemisphere) {
        select_hemisphere(kNorthernHemisphere);
    }
    for (const DefaultText& text : defaults.texts) {
        write_default(text.field, text_of(text.text));
    }
}

void Projection::Combo_hemisphere_Click() {
    if (const auto false_north = hemisphere_false_north(Combo_projection_->currentIndex(),
                                                        Combo_hemisphere_->currentIndex() + 1)) {
        write_default(&ProjectionEntries::false_north, text_of(*false_north));
    }
}

// A choice made by the control runs the list's handler as the user's choice does.
void Projection::select_hemisphere(int32_t hemisphere) {
    Combo_hemisphere_->setCurrentIndex(hemisphere - 1);
    Combo_hemisphere_Click();
}

void Projection::Spin1_SpinDown() {
    step_zone_number(ZoneStep::kDown);
}

void Projection::Spin1_SpinUp() {
    step_zone_number(ZoneStep::kUp);
}

void Projection::step_zone_number(ZoneStep step) {
    if (const auto zone = step_zone(Text_zone_number_->text().toStdString(), step)) {
        Text_zone_number_->setText(QString::fromStdString(*zone));
        emit entriesEdited();
    }
}

void Projection::write_default(EntryText field, const QString& text) {
    for (const TextBox& text_box : text_boxes_) {
        if (text_box.field == field) {
            text_box.box->setText(text);
        }
    }
    (shown_.*field).clear();
}

ProjectionEntries Projection::entries() const {
    ProjectionEntries shown;
    shown.projection = Combo_projection_->currentIndex();
    const QVariant code = Combo_spheroid_->currentData();
    shown.spheroid = code.isValid() ? code.toInt() : kFirstSpheroidCode;
    shown.hemisphere = Combo_hemisphere_->currentIndex() + 1;
    for (const TextBox& text_box : text_boxes_) {
        shown.*(text_box.field) = text_box.box->text().toStdString();
    }
    return shown;
}

Status Projection::show_coord_system() {
    // Until the fields show the record, none of them stands for its values.
    shown_ = ProjectionEntries{};
    try {
        correct_record(record_);
        if (record_.projection >= kProjectionCount) {
            // The fields keep what they showed; the record stays as assigned.
            return Error{ErrorCode::kProjectionNotKnown, {std::to_string(record_.projection)}};
        }
        Combo_projection_->setCurrentIndex(record_.projection);
        const int spheroid = Combo_spheroid_->findData(record_.spheroid);
        if (spheroid >= 0) {
            Combo_spheroid_->setCurrentIndex(spheroid);
        }
        Combo_hemisphere_->setCurrentIndex(record_.hemisphere - 1);
        const ProjectionEntries shown = entries_for(record_, utilities_);
        for (const TextBox& text_box : text_boxes_) {
            text_box.box->setText(QString::fromStdString(shown.*(text_box.field)));
        }
        shown_ = shown;
        return kSuccess;
    } catch (const std::exception& error) {
        return Error{ErrorCode::kCoordinateSystemNotShown, {error.what()}};
    }
}

Status Projection::assign(const CoordSystem& record) {
    const CoordSystem before = record_;
    record_ = record;
    Status shown = show_coord_system();
    if (record_ != before) {
        emit coordinateSystemChanged(record_);
    }
    return shown;
}

void Projection::store(const CoordSystem& record) {
    if (record != record_) {
        record_ = record;
        emit coordinateSystemChanged(record_);
    }
}

void Projection::setCoordinateSystem(const CoordSystem& record) {
    if (const Status shown = assign(record); !shown) {
        emit coordinateSystemNotShown(error_message(shown.error()));
    }
}

std::optional<QString> Projection::entriesProblem() const {
    const Status checked = check_entries(entries(), utilities_);
    return checked ? std::nullopt : std::optional<QString>(error_message(checked.error()));
}

QVariant Projection::entriesCoordinateSystem() const {
    try {
        const ProjectionEntries typed = entries();
        if (!check_entries(typed, utilities_)) {
            return {};
        }
        CoordSystem entered = record_;
        read_entries(typed, shown_, utilities_, entered);
        return QVariant::fromValue(entered);
    } catch (const std::exception&) {
        return {};  // acceptEntries tells the user why
    }
}

bool Projection::acceptEntries() {
    try {
        const ProjectionEntries typed = entries();
        if (const Status checked = check_entries(typed, utilities_); !checked) {
            show_message(error_message(checked.error()));
            return false;
        }
        // Taken into the stored record only once everything has succeeded, so a failed
        // accept leaves the control's record as it was.
        CoordSystem entered = record_;
        read_entries(typed, shown_, utilities_, entered);
        Result<CoordSystem> computed = with_derived_constants(entered);
        if (!computed) {
            show_message(
                tr("The constants of this projection could not be computed, so the coordinate "
                   "system cannot be used. Check the projection and the spheroid."));
            return false;
        }
        CoordSystem accepted = std::move(computed).value();
        accepted.defined = kTrue;
        // Before the change is told: a host told of it may show another record.
        shown_ = typed;
        store(accepted);
        return true;
    } catch (const std::exception& error) {
        show_message(tr("The coordinate system could not be read: %1")
                         .arg(QString::fromLocal8Bit(error.what())));
        return false;
    }
}

}  // namespace korv
