#include "point_transform.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <span>

#include "command_button.h"
#include "coordinate_file.h"
#include "text_files.h"
#include "message_box.h"
#include "transform_math.h"

namespace korv {
namespace {

// The control's designed size: 6225 by 6060 twips at 96 dots per inch.
constexpr QSize kDesignedSize(415, 404);

constexpr char kElevationShiftTip[] = "Value to add to data read from file";
constexpr char kElevationScaleTip[] =
    "Multiplier applied to elevation value ( Formula used is Znew = (Zold+Zshift)*Zscale )";

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
    {"Text_xorigin", "Original X origin", 0, 0, kXorigin, nullptr},
    {"Text_yorigin", "Original Y origin", 0, 1, kYorigin, nullptr},
    {"Text_xscale", "X scale factor", 1, 0, kXscale, nullptr},
    {"Text_yscale", "Y scale factor", 1, 1, kYscale, nullptr},
    {"Text_xoffset", "New X origin", 2, 0, kXoffset, nullptr},
    {"Text_yoffset", "New Y origin", 2, 1, kYoffset, nullptr},
    {"Text_rotang", "Rotate clockwise by", 3, 1, kRotang, nullptr},
    {"Text_elevation_shift0", "Elevation Shift", 4, 1, kOriginElevationShift, kElevationShiftTip},
    {"Text_elevation_scale0", "Elevation Scale", 5, 1, kOriginElevationScale, kElevationScaleTip},
};

constexpr BoxPlace kTwoPointPlaces[] = {
    {"Text_original_x1", "Original X1", 0, 0, kOriginalX1, nullptr},
    {"Text_original_y1", "Original Y1", 0, 1, kOriginalY1, nullptr},
    {"Text_new_x1", "New X1", 1, 0, kNewX1, nullptr},
    {"Text_new_y1", "New Y1", 1, 1, kNewY1, nullptr},
    {"Text_original_x2", "Original X2", 2, 0, kOriginalX2, nullptr},
    {"Text_original_y2", "Original Y2", 2, 1, kOriginalY2, nullptr},
    {"Text_new_x2", "New X2", 3, 0, kNewX2, nullptr},
    {"Text_new_y2", "New Y2", 3, 1, kNewY2, nullptr},
    {"Text_elevation_shift1", "Elevation Shift", 4, 1, kTwoPointElevationShift, kElevationShiftTip},
    {"Text_elevation_scale1", "Elevation Scale", 5, 1, kTwoPointElevationScale, kElevationScaleTip},
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
            box->setToolTip(QString::fromLatin1(place.tooltip));
        }
        auto* caption = new QLabel(QString::fromLatin1(place.caption), page);
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
QPushButton* make_button(const char* object_name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
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

PointTransform::PointTransform(QWidget* parent) : QWidget(parent), fields(kFieldListSize) {
    setObjectName(QStringLiteral("PointTransform"));

    Tab_transform_type = new QTabWidget(this);
    Tab_transform_type->setObjectName(QStringLiteral("Tab_transform_type"));
    Tab_transform_type->addTab(build_tab(kOriginPlaces, origin_boxes),
                               QStringLiteral("Origin, Scale and Azimuth"));
    Tab_transform_type->addTab(build_tab(kTwoPointPlaces, two_point_boxes),
                               QStringLiteral("Two Point"));

    Command_reset = make_button("Command_reset", "Reset Transformation", this);
    Command_load_transform_file =
        make_button("Command_load_transform_file", "Load Transformation From File", this);
    Command_invert_transform = make_button("Command_invert_transform", "Invert Transform", this);
    Command_save_transform_file =
        make_button("Command_save_transform_file", "Save Transformation To File", this);

    // The buttons line up with the columns of text boxes above them.
    auto* buttons = new QGridLayout;
    buttons->setContentsMargins(11, 0, 11, 0);
    buttons->setHorizontalSpacing(24);
    buttons->addWidget(Command_reset, 0, 0);
    buttons->addWidget(Command_load_transform_file, 0, 1);
    buttons->addWidget(Command_invert_transform, 1, 0);
    buttons->addWidget(Command_save_transform_file, 1, 1);

    auto* control = new QVBoxLayout(this);
    control->setContentsMargins(0, 0, 0, 0);
    control->addWidget(Tab_transform_type, 1);
    control->addLayout(buttons);

    connect(Tab_transform_type, &QTabWidget::currentChanged, this,
            &PointTransform::Tab_transform_type_Click);
    connect(Command_reset, &QPushButton::clicked, this, &PointTransform::Command_reset_Click);
    connect(Command_invert_transform, &QPushButton::clicked, this,
            &PointTransform::Command_invert_transform_Click);
    connect(Command_load_transform_file, &QPushButton::clicked, this,
            &PointTransform::Command_load_transform_file_Click);
    connect(Command_save_transform_file, &QPushButton::clicked, this,
            &PointTransform::Command_save_transform_file_Click);

    // UserControl_Initialize: a cleared transform on the origin tab.
    clear_coord_transform(coord_transform);
    transform_type = kOriginForm;
    load_transform_parameters();
}

QSize PointTransform::sizeHint() const {
    return QWidget::sizeHint().expandedTo(kDesignedSize);
}

void PointTransform::clear_coord_transform(korv::CoordTransform& lCoordTransform) {
    korv::clear_coord_transform(lCoordTransform);
    second_point_defined = false;
}

void PointTransform::convert_transform(double& gxmin, double& gymin, double& mxmin, double& mymin,
                                       double& gxmax, double& gymax, double& mxmax, double& mymax,
                                       double& rotation, double& xscale, double& yscale,
                                       int32_t& ierr) {
    const TwoPointSolution solution =
        korv::convert_transform({gxmin, gymin, mxmin, mymin, gxmax, gymax, mxmax, mymax});
    if (!solution.error_message.empty()) {
        show_message(QString::fromStdString(solution.error_message));
    }
    ierr = solution.ierr;
    if (ierr == 0) {
        rotation = solution.rotation;
        xscale = solution.xscale;
        yscale = solution.yscale;
    }
}

QString PointTransform::get_line(int32_t& fnum) {
    return QString::fromLatin1(korv::get_line(fnum));
}

QString PointTransform::get_line_ch(int32_t& fnum) {
    return QString::fromLatin1(korv::get_line_ch(fnum));
}

void PointTransform::load_coordinate_file(double& gxmin, double& gymin, double& xpmin,
                                          double& ypmin, double& gxmax, double& gymax,
                                          double& xpmax, double& ypmax, double& gzshift,
                                          double& gzscale, int32_t& ierr) {
    CoordinateFileValues values{
        {gxmin, gymin, xpmin, ypmin, gxmax, gymax, xpmax, ypmax}, gzshift, gzscale};
    ierr = korv::load_coordinate_file(utilities, fields, values);
    const PointPairs& p = values.points;
    gxmin = p.gxmin;
    gymin = p.gymin;
    xpmin = p.mxmin;
    ypmin = p.mymin;
    gxmax = p.gxmax;
    gymax = p.gymax;
    xpmax = p.mxmax;
    ypmax = p.mymax;
    gzshift = values.zshift;
    gzscale = values.zscale;
}

void PointTransform::load_transform_parameters() {
    loading = true;
    Tab_transform_type->setCurrentIndex(transform_type);
    if (transform_type == kOriginForm) {
        show_texts(origin_boxes, origin_form_texts(coord_transform));
    } else {
        show_texts(two_point_boxes, two_point_form_texts(coord_transform));
    }
    loading = false;
}

void PointTransform::save_coordinate_file(double& gxmin, double& gymin, double& mxmin,
                                          double& mymin, double& gxmax, double& gymax,
                                          double& mxmax, double& mymax, double& zshift,
                                          double& zscale, int32_t& ierr) {
    ierr = korv::save_coordinate_file(
        utilities, {{gxmin, gymin, mxmin, mymin, gxmax, gymax, mxmax, mymax}, zshift, zscale});
}

void PointTransform::unload_transform_parameters(int32_t& ierr) {
    const StoreOutcome outcome =
        transform_type == kOriginForm
            ? store_origin_form(texts_of(origin_boxes), coord_transform, second_point_defined)
            : store_two_point_form(texts_of(two_point_boxes), coord_transform,
                                   second_point_defined);
    show_messages(outcome.messages);
    coord_transform = outcome.record;
    second_point_defined = outcome.second_point_defined;
    ierr = outcome.ierr;
}

int32_t PointTransform::getPointTransform(CoordTransform& trValue) {
    int32_t ierr = 0;
    unload_transform_parameters(ierr);
    if (ierr == 0) {
        trValue = coord_transform;
    }
    return ierr;
}

int32_t PointTransform::getPointTransform(QVariant& trValue) {
    return read_into_variant<CoordTransform>(
        trValue, [this](CoordTransform& record) { return getPointTransform(record); });
}

void PointTransform::setPointTransform(const CoordTransform& trValue) {
    coord_transform = trValue;
    transform_type = kOriginForm;
    load_transform_parameters();
}

QString PointTransform::setPointTransform(const QVariant& trValue, int32_t /*value*/) {
    QString error = type_mismatch<CoordTransform>(trValue, QStringLiteral("PointTransform"));
    if (error.isEmpty()) {
        setPointTransform(trValue.value<CoordTransform>());
    }
    return error;
}

void PointTransform::show_messages(const std::vector<std::string>& messages) const {
    for (const std::string& message : messages) {
        show_message(QString::fromStdString(message));
    }
}

void PointTransform::Tab_transform_type_Click() {
    // While not loading, `transform_type` still names the tab shown before the click.
    if (!loading) {
        int32_t ierr = 0;
        unload_transform_parameters(ierr);
        if (ierr != 0) {
            // Back to the tab with the faulty field; the nested click only follows the tab.
            loading = true;
            Tab_transform_type->setCurrentIndex(transform_type);
            loading = false;
            return;
        }
    }
    transform_type = Tab_transform_type->currentIndex();
    if (!loading) {
        load_transform_parameters();
    }
}

void PointTransform::Command_reset_Click() {
    clear_coord_transform(coord_transform);
    load_transform_parameters();
}

void PointTransform::Command_invert_transform_Click() {
    const std::optional<CoordTransform> inverse = invert_transform(coord_transform, transform_type);
    if (!inverse) {
        // A value of the inverse would lie beyond the range of a double: keep the transform.
        show_message(QString::fromLatin1(kTransformErrorPrefix) +
                     QString::fromLatin1(kOverflowDescription));
        return;
    }
    coord_transform = *inverse;
    load_transform_parameters();
}

void PointTransform::Command_load_transform_file_Click() {
    double gxmin = 0, gymin = 0, xpmin = 0, ypmin = 0, gxmax = 0, gymax = 0, xpmax = 0, ypmax = 0;
    double gzshift = 0, gzscale = 0;
    int32_t ierr = 0;
    load_coordinate_file(gxmin, gymin, xpmin, ypmin, gxmax, gymax, xpmax, ypmax, gzshift, gzscale,
                         ierr);
    if (ierr != 0) {
        return;
    }
    int32_t solved = 0;  // not looked at: an overflow has been reported, the points are kept
    convert_transform(gxmin, gymin, xpmin, ypmin, gxmax, gymax, xpmax, ypmax,
                      coord_transform.rotation, coord_transform.xscale, coord_transform.yscale,
                      solved);
    coord_transform.gxmin = gxmin;
    coord_transform.gymin = gymin;
    coord_transform.mxmin = xpmin;
    coord_transform.mymin = ypmin;
    coord_transform.gxmax = gxmax;
    coord_transform.gymax = gymax;
    coord_transform.mxmax = xpmax;
    coord_transform.mymax = ypmax;
    coord_transform.zshift = gzshift;
    coord_transform.zscale = gzscale;
    second_point_defined = true;
    load_transform_parameters();
}

void PointTransform::Command_save_transform_file_Click() {
    int32_t ierr = 0;
    unload_transform_parameters(ierr);
    if (ierr < 0) {
        return;
    }
    CoordTransform& t = coord_transform;
    save_coordinate_file(t.gxmin, t.gymin, t.mxmin, t.mymin, t.gxmax, t.gymax, t.mxmax, t.mymax,
                         t.zshift, t.zscale, ierr);
}

}  // namespace korv
