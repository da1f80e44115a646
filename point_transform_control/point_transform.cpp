#include "point_transform.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <span>

#include "command_button.h"
#include "error_message.h"
#include "file_dialog.h"
#include "message_box.h"
#include "transform_math.h"
#include "translations.h"

namespace korv {
namespace {

// The control's designed size: 6225 by 6060 twips at 96 dots per inch.
constexpr QSize kDesignedSize(415, 404);

constexpr char kElevationShiftTip[] =
    QT_TRANSLATE_NOOP("korv::PointTransform", "Value to add to data read from file");
constexpr char kElevationScaleTip[] = QT_TRANSLATE_NOOP(
    "korv::PointTransform",
    "Multiplier applied to elevation value ( Formula used is Znew = (Zold+Zshift)*Zscale )");

// Where a text box sits on its tab: two columns, each box under its caption.
struct BoxPlace {
    const char* object_name;
    const char* caption;
    int row;
    int column;
    size_t field;  // index among the tab's boxes in checking order
    const char* tooltip;
};

// Listed row by row, the order the keyboard moves through them.
constexpr BoxPlace kOriginPlaces[] = {
    {"Text_xorigin", QT_TRANSLATE_NOOP("korv::PointTransform", "Original X origin"), 0, 0, kXorigin,
     nullptr},
    {"Text_yorigin", QT_TRANSLATE_NOOP("korv::PointTransform", "Original Y origin"), 0, 1, kYorigin,
     nullptr},
    {"Text_xscale", QT_TRANSLATE_NOOP("korv::PointTransform", "X scale factor"), 1, 0, kXscale,
     nullptr},
    {"Text_yscale", QT_TRANSLATE_NOOP("korv::PointTransform", "Y scale factor"), 1, 1, kYscale,
     nullptr},
    {"Text_xoffset", QT_TRANSLATE_NOOP("korv::PointTransform", "New X origin"), 2, 0, kXoffset,
     nullptr},
    {"Text_yoffset", QT_TRANSLATE_NOOP("korv::PointTransform", "New Y origin"), 2, 1, kYoffset,
     nullptr},
    {"Text_rotang", QT_TRANSLATE_NOOP("korv::PointTransform", "Rotate clockwise by"), 3, 1, kRotang,
     nullptr},
    {"Text_elevation_shift0", QT_TRANSLATE_NOOP("korv::PointTransform", "Elevation Shift"), 4, 1,
     kOriginElevationShift, kElevationShiftTip},
    {"Text_elevation_scale0", QT_TRANSLATE_NOOP("korv::PointTransform", "Elevation Scale"), 5, 1,
     kOriginElevationScale, kElevationScaleTip},
};

constexpr BoxPlace kTwoPointPlaces[] = {
    {"Text_original_x1", QT_TRANSLATE_NOOP("korv::PointTransform", "Original X1"), 0, 0,
     kOriginalX1, nullptr},
    {"Text_original_y1", QT_TRANSLATE_NOOP("korv::PointTransform", "Original Y1"), 0, 1,
     kOriginalY1, nullptr},
    {"Text_new_x1", QT_TRANSLATE_NOOP("korv::PointTransform", "New X1"), 1, 0, kNewX1, nullptr},
    {"Text_new_y1", QT_TRANSLATE_NOOP("korv::PointTransform", "New Y1"), 1, 1, kNewY1, nullptr},
    {"Text_original_x2", QT_TRANSLATE_NOOP("korv::PointTransform", "Original X2"), 2, 0,
     kOriginalX2, nullptr},
    {"Text_original_y2", QT_TRANSLATE_NOOP("korv::PointTransform", "Original Y2"), 2, 1,
     kOriginalY2, nullptr},
    {"Text_new_x2", QT_TRANSLATE_NOOP("korv::PointTransform", "New X2"), 3, 0, kNewX2, nullptr},
    {"Text_new_y2", QT_TRANSLATE_NOOP("korv::PointTransform", "New Y2"), 3, 1, kNewY2, nullptr},
    {"Text_elevation_shift1", QT_TRANSLATE_NOOP("korv::PointTransform", "Elevation Shift"), 4, 1,
     kTwoPointElevationShift, kElevationShiftTip},
    {"Text_elevation_scale1", QT_TRANSLATE_NOOP("korv::PointTransform", "Elevation Scale"), 5, 1,
     kTwoPointElevationScale, kElevationScaleTip},
};

// A tab page with its text boxes; `boxes` receives them by field index.
QWidget* build_tab(std::span<const BoxPlace> places, std::span<QLineEdit*> boxes) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(10);
    for (const BoxPlace& place : places) {
        auto* box = new QLineEdit(page);
        box->setObjectName(QString::fromLatin1(place.object_name));
        if (place.tooltip != nullptr) {
            box->setToolTip(PointTransform::tr(place.tooltip));
        }
        auto* caption = new QLabel(PointTransform::tr(place.caption), page);
        caption->setObjectName(QStringLiteral("Label_") +
                               QString::fromLatin1(place.object_name).mid(5));
        caption->setBuddy(box);
        auto* cell = new QVBoxLayout;  // the caption right above its box
        cell->setSpacing(2);
        cell->addWidget(caption);
        cell->addWidget(box);
        grid->addLayout(cell, place.row, place.column);
        boxes[place.field] = box;
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

// Not a dialog's automatic default, so that Enter in a host dialog's fields never resets or
// inverts the transform; Enter still presses the button that has the focus.
QPushButton* make_button(const char* object_name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(object_name));
    button->setAutoDefault(false);
    press_with_enter(button);
    return button;
}

template <size_t N>
std::array<std::string, N> texts_of(const std::array<QLineEdit*, N>& boxes) {
    std::array<std::string, N> texts;
    for (size_t i = 0; i < N; ++i) {
        texts[i] = boxes[i]->text().toStdString();
    }
    return texts;
}

template <size_t N>
void show_texts(const std::array<QLineEdit*, N>& boxes, const std::array<std::string, N>& texts) {
    for (size_t i = 0; i < N; ++i) {
        boxes[i]->setText(QString::fromStdString(texts[i]));
    }
}

}  // namespace

PointTransform::PointTransform(QWidget* parent) : QWidget(parent) {
    install_translation(QStringLiteral("korv_point_transform"));
    setObjectName(QStringLiteral("PointTransform"));

    Tab_transform_type_ = new QTabWidget(this);
    Tab_transform_type_->setObjectName(QStringLiteral("Tab_transform_type"));
    Tab_transform_type_->addTab(build_tab(kOriginPlaces, origin_boxes_),
                                tr("Origin, Scale and Azimuth"));
    Tab_transform_type_->addTab(build_tab(kTwoPointPlaces, two_point_boxes_), tr("Two Point"));

    Command_reset_ = make_button("Command_reset", tr("Reset Transformation"), this);
    Command_load_transform_file_ =
        make_button("Command_load_transform_file", tr("Load Transformation From File"), this);
    Command_invert_transform_ =
        make_button("Command_invert_transform", tr("Invert Transform"), this);
    Command_save_transform_file_ =
        make_button("Command_save_transform_file", tr("Save Transformation To File"), this);

    // The buttons line up with the columns of text boxes above them.
    auto* buttons = new QGridLayout;
    buttons->setContentsMargins(11, 0, 11, 0);
    buttons->setHorizontalSpacing(24);
    buttons->addWidget(Command_reset_, 0, 0);
    buttons->addWidget(Command_load_transform_file_, 0, 1);
    buttons->addWidget(Command_invert_transform_, 1, 0);
    buttons->addWidget(Command_save_transform_file_, 1, 1);

    auto* control = new QVBoxLayout(this);
    control->setContentsMargins(0, 0, 0, 0);
    control->addWidget(Tab_transform_type_, 1);
    control->addLayout(buttons);

    connect(Tab_transform_type_, &QTabWidget::currentChanged, this,
            &PointTransform::Tab_transform_type_Click);
    connect(Command_reset_, &QPushButton::clicked, this, &PointTransform::Command_reset_Click);
    connect(Command_invert_transform_, &QPushButton::clicked, this,
            &PointTransform::Command_invert_transform_Click);
    connect(Command_load_transform_file_, &QPushButton::clicked, this,
            &PointTransform::Command_load_transform_file_Click);
    connect(Command_save_transform_file_, &QPushButton::clicked, this,
            &PointTransform::Command_save_transform_file_Click);

    // UserControl_Initialize: a cleared transform on the origin tab.
    korv::clear_coord_transform(stored_.record);
    transform_type_ = kOriginForm;
    show_transform();
}

QSize PointTransform::sizeHint() const {
    return QWidget::sizeHint().expandedTo(kDesignedSize);
}

CoordTransform PointTransform::pointTransform() const {
    return stored_.record;
}

void PointTransform::setPointTransform(const CoordTransform& record) {
    const CoordTransform before = stored_.record;
    stored_.record = record;
    transform_type_ = kOriginForm;
    show_transform();
    notify_change_from(before);
}

void PointTransform::notify_change_from(const CoordTransform& before) {
    if (!(stored_.record == before)) {
        emit pointTransformChanged(stored_.record);
    }
}

bool PointTransform::acceptEntries() {
    const CoordTransform before = stored_.record;
    const Status accepted = store_entries(stored_);
    if (!accepted) {
        show_message(error_message(accepted.error()));
    }
    // After an overflow the values taken from the fields stay stored: hosts hear of that too.
    notify_change_from(before);
    return accepted.ok();
}

std::optional<QString> PointTransform::entriesProblem() const {
    StoredTransform trial = stored_;
    const Status accepted = store_entries(trial);
    return accepted ? std::nullopt : std::optional<QString>(error_message(accepted.error()));
}

Status PointTransform::store_entries(StoredTransform& into) const {
    if (transform_type_ == kOriginForm) {
        return store_origin_form(texts_of(origin_boxes_), into);
    }
    return store_two_point_form(texts_of(two_point_boxes_), into);
}

void PointTransform::show_transform() {
    {
        // Selecting the tab that shows the transform is no change of tab by the user: nothing is
        // stored.
        const QSignalBlocker blocker(Tab_transform_type_);
        Tab_transform_type_->setCurrentIndex(transform_type_);
    }
    if (transform_type_ == kOriginForm) {
        show_texts(origin_boxes_, origin_form_texts(stored_.record));
    } else {
        show_texts(two_point_boxes_, two_point_form_texts(stored_.record));
    }
}

std::optional<CoordinateFileValues> PointTransform::read_chosen_file() {
    const std::string directory = current_directory();
    std::optional<CoordinateFileValues> values;
    if (const std::optional<QString> path =
            choose_file_to_open(tr(kCoordinateFileTitle), tr(kCoordinateFileFilter))) {
        Result<CoordinateFileValues> read = read_coordinate_file(path->toStdString());
        if (read) {
            values = std::move(read).value();
        } else {
            show_message(error_message(read.error()));
        }
    }
    utilities_.restore_directory(directory);
    return values;
}

bool PointTransform::accept_file_baselines(const PointPairs& points) const {
    bool accepted = true;
    for (const Status& check : check_file_baselines(points)) {
        if (!check) {
            show_message(error_message(check.error()));
            accepted = false;
        }
    }
    return accepted;
}

bool PointTransform::save_to_chosen_file(const CoordinateFileValues& values) {
    if (const Status savable = check_savable(values); !savable) {
        show_message(error_message(savable.error()));
        return false;
    }
    const std::string directory = current_directory();
    bool saved = false;
    if (const std::optional<QString> path =
            choose_file_to_save(tr(kCoordinateFileTitle), tr(kCoordinateFileFilter),
                                QString::fromLatin1(kCoordinateFilePattern),
                                QString::fromLatin1(kCoordinateFileExtension))) {
        const Status written = write_coordinate_file(path->toStdString(), values);
        if (!written) {
            show_message(error_message(written.error()));
        }
        saved = written.ok();
    }
    utilities_.restore_directory(directory);
    return saved;
}

void PointTransform::Tab_transform_type_Click() {
    // `transform_type_` still names the tab shown before the change.
    if (!acceptEntries()) {
        // Back to the tab with the faulty field.
        const QSignalBlocker blocker(Tab_transform_type_);
        Tab_transform_type_->setCurrentIndex(transform_type_);
        return;
    }
    transform_type_ = Tab_transform_type_->currentIndex();
    show_transform();
}

void PointTransform::Command_reset_Click() {
    const CoordTransform before = stored_.record;
    korv::clear_coord_transform(stored_.record);
    stored_.second_point_defined = false;
    show_transform();
    notify_change_from(before);
}

void PointTransform::Command_invert_transform_Click() {
    const Result<CoordTransform> inverse = invert_transform(stored_.record, transform_type_);
    if (!inverse) {
        // A value of the inverse would lie beyond the range of a double: keep the transform.
        show_message(error_message(inverse.error()));
        return;
    }
    const CoordTransform before = stored_.record;
    stored_.record = inverse.value();
    show_transform();
    notify_change_from(before);
}

void PointTransform::Command_load_transform_file_Click() {
    const std::optional<CoordinateFileValues> read = read_chosen_file();
    if (!read || !accept_file_baselines(read->points)) {
        return;
    }
    const CoordTransform before = stored_.record;
    CoordTransform& record = stored_.record;
    // After an overflow, which has been reported, rotation and scales stay as they were; the
    // points are taken all the same.
    const Result<std::optional<TwoPointSolution>> solved = korv::convert_transform(read->points);
    if (!solved) {
        show_message(error_message(solved.error()));
    } else if (const std::optional<TwoPointSolution>& solution = solved.value()) {
        record.rotation = solution->rotation;
        record.xscale = solution->xscale;
        record.yscale = solution->yscale;
    }
    set_point_pairs(record, read->points);
    record.zshift = read->zshift;
    record.zscale = read->zscale;
    stored_.second_point_defined = true;
    show_transform();
    notify_change_from(before);
}

void PointTransform::Command_save_transform_file_Click() {
    if (!acceptEntries()) {
        return;
    }
    const CoordTransform& record = stored_.record;
    save_to_chosen_file({point_pairs(record), record.zshift, record.zscale});  // shows its outcome
}

}  // namespace korv
