#include "conversion_test_panel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "angle_text.h"
#include "area_of_use_notes.h"
#include "catalogue_on_demand.h"
#include "conversion_engine_binding.h"
#include "error_message.h"
#include "file_conversion.h"
#include "file_dialog.h"
#include "message_box.h"
#include "numeric_text.h"
#include "shown_number.h"

namespace korv {
namespace {

QLineEdit* make_box(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* make_button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// A caption in front of a box, which it names for keyboard and screen-reader users.
void add_labelled(QGridLayout* grid, int row, int column, const QString& caption, QLineEdit* box) {
    auto* label = new QLabel(caption, box->parentWidget());
    label->setBuddy(box);
    grid->addWidget(label, row, column);
    grid->addWidget(box, row, column + 1);
}

// Eastings, northings and heights are shown to a tenth of a metre.
constexpr int kDecimals = 1;

// The value, or null after showing why there is none.
template <typename T>
const T* value_or_report(const Result<T>& result) {
    if (!result) {
        show_message(error_message(result.error()));
        return nullptr;
    }
    return &result.value();
}

}  // namespace

ConversionTestPanel::ConversionTestPanel(const ProgramState& state, CatalogueOnDemand& catalogue,
                                         QWidget* parent)
    : QFrame(parent), catalogue_(catalogue), state_(state) {
    setObjectName(QStringLiteral("Frame_transform_test"));
    setAutoFillBackground(true);  // it lies over the dialog's panel and must hide it

    QGroupBox* source = build_side(0, tr("Source Data Coordinates"));
    QGroupBox* map = build_side(1, tr("Map Coordinates"));

    Command_transform_[0] =
        make_button(QStringLiteral("Command_transform0"), tr("Convert Source Data to Map"), this);
    Command_transform_[1] =
        make_button(QStringLiteral("Command_transform1"), tr("Convert Map to Source Data"), this);
    Command_done_test_ = make_button(QStringLiteral("Command_done_test"), tr("Done"), this);
    Command_done_test_->setAccessibleName(tr("Done testing"));  // not the dialog's "Done"
    Command_convert_file_ =
        make_button(QStringLiteral("Command_convert_file"), tr("Convert File..."), this);
    Command_convert_file_->setAccessibleName(tr("Convert a file of points"));
    Command_convert_file_->setToolTip(
        tr("Convert a whole file of points with these coordinate systems and datum shift"));
    for (int index : {0, 1}) {
        connect(Command_transform_[static_cast<size_t>(index)], &QPushButton::clicked, this,
                [this, index] { Command_transform_Click(index); });
    }
    connect(Command_done_test_, &QPushButton::clicked, this,
            &ConversionTestPanel::Command_done_test_Click);
    connect(Command_convert_file_, &QPushButton::clicked, this,
            &ConversionTestPanel::Command_convert_file_Click);

    auto* between = new QHBoxLayout;
    between->addWidget(Command_transform_[0]);
    between->addStretch();
    between->addWidget(Command_transform_[1]);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Command_convert_file_);
    bottom->addWidget(Command_done_test_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source);
    layout->addLayout(between);
    layout->addWidget(map);
    layout->addStretch();
    layout->addLayout(bottom);

    // Keyboard order: the source side, across, the map side, "Convert File...", then "Done".
    QWidget::setTabOrder(sides_[0].Command_grid_to_geo, Command_transform_[0]);
    QWidget::setTabOrder(Command_transform_[0], Command_transform_[1]);
    QWidget::setTabOrder(Command_transform_[1], sides_[1].Text_lon);
    QWidget::setTabOrder(sides_[1].Command_grid_to_geo, Command_convert_file_);
    QWidget::setTabOrder(Command_convert_file_, Command_done_test_);
}

QGroupBox* ConversionTestPanel::build_side(int index, const QString& caption) {
    SideControls& side = sides_[static_cast<size_t>(index)];
    const QString spoken_side = index == 0 ? tr("Source") : tr("Map");
    const QString suffix = QString::number(index);
    side.frame = new QGroupBox(caption, this);
    QWidget* frame = side.frame;

    side.Text_lon = make_box("Text_lon" + suffix, QStringLiteral("000 00 00.000"), frame);
    side.Text_lat = make_box("Text_lat" + suffix, QStringLiteral("000 00 00.000"), frame);
    side.Text_east = make_box("Text_east" + suffix, QStringLiteral("0"), frame);
    side.Text_north = make_box("Text_north" + suffix, QStringLiteral("0"), frame);
    side.Text_elevation = make_box("Text_elevation" + suffix, QStringLiteral("0"), frame);
    side.Command_geo_to_grid =
        make_button("Command_geo_to_grid" + suffix, tr("Lat/lon -> East/North"), frame);
    side.Command_grid_to_geo =
        make_button("Command_grid_to_geo" + suffix, tr("East/North -> Lat/lon"), frame);
    side.Label_area = new QLabel(frame);
    side.Label_area->setObjectName("Label_area" + suffix);
    side.Label_area->setWordWrap(true);
    side.Label_area->setTextFormat(Qt::PlainText);
    // Room for the two lines a note of several systems takes, so the panel keeps its shape.
    side.Label_area->setMinimumHeight(2 * side.Label_area->fontMetrics().lineSpacing());
    side.Label_area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Both sides show the same captions: a screen reader says which side a field is on.
    const std::pair<QWidget*, QString> spoken[] = {
        {side.Text_lon, tr("longitude")},
        {side.Text_lat, tr("latitude")},
        {side.Text_elevation, tr("elevation")},
        {side.Text_east, tr("east")},
        {side.Text_north, tr("north")},
        {side.Command_geo_to_grid, tr("lat/lon to east/north")},
        {side.Command_grid_to_geo, tr("east/north to lat/lon")},
        {side.Label_area, tr("area of use")},
    };
    for (const auto& [widget, name] : spoken) {
        widget->setAccessibleName(spoken_side + ' ' + name);
    }
    connect(side.Command_geo_to_grid, &QPushButton::clicked, this,
            [this, index] { Command_geo_to_grid_Click(index); });
    connect(side.Command_grid_to_geo, &QPushButton::clicked, this,
            [this, index] { Command_grid_to_geo_Click(index); });

    // Geographic point on the left, the two conversions in the middle, the grid point right.
    auto* grid = new QGridLayout(frame);
    add_labelled(grid, 0, 0, tr("Longitude"), side.Text_lon);
    add_labelled(grid, 1, 0, tr("Latitude"), side.Text_lat);
    add_labelled(grid, 2, 0, tr("Elevation"), side.Text_elevation);
    grid->addWidget(side.Command_geo_to_grid, 0, 2);
    grid->addWidget(side.Command_grid_to_geo, 1, 2);
    add_labelled(grid, 0, 3, tr("East"), side.Text_east);
    add_labelled(grid, 1, 3, tr("North"), side.Text_north);
    grid->addWidget(side.Label_area, 3, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    QWidget::setTabOrder(side.Text_lon, side.Text_lat);
    QWidget::setTabOrder(side.Text_lat, side.Text_elevation);
    QWidget::setTabOrder(side.Text_elevation, side.Text_east);
    QWidget::setTabOrder(side.Text_east, side.Text_north);
    QWidget::setTabOrder(side.Text_north, side.Command_geo_to_grid);
    QWidget::setTabOrder(side.Command_geo_to_grid, side.Command_grid_to_geo);
    return side.frame;
}

void ConversionTestPanel::focus_first_field() {
    sides_[0].Text_lon->setFocus();
}

Result<GeographicPoint> ConversionTestPanel::read_point(int index) {
    const SideControls& side = sides_[static_cast<size_t>(index)];
    const Result<GeographicPoint> point = read_geographic_point(
        side.Text_lon->text().toStdString(), side.Text_lat->text().toStdString());
    if (const GeographicPoint* read = value_or_report(point)) {
        geographic_point_ = *read;
    }
    return point;
}

void ConversionTestPanel::show_geographic(int index, const GeographicPoint& point) {
    const SideControls& side = sides_[static_cast<size_t>(index)];
    side.Text_lon->setText(QString::fromStdString(angle_to_text(point.longitude)));
    side.Text_lat->setText(QString::fromStdString(angle_to_text(point.latitude)));
}

void ConversionTestPanel::clear_area_notes() {
    for (const SideControls& side : sides_) {
        side.Label_area->clear();
    }
}

void ConversionTestPanel::note_system_area(int index, const GeographicPoint& point) {
    const CoordSystem& system =
        index == 0 ? state_.source_coord_system : state_.committed_coord_system;
    sides_[static_cast<size_t>(index)].Label_area->setText(
        outside_systems_note(catalogue_.catalogue(), system, point));
}

void ConversionTestPanel::Command_geo_to_grid_Click(int Index) {
    clear_area_notes();
    const Result<GeographicPoint> point = read_point(Index);
    if (!point) {
        return;
    }
    const Result<GridPoint> grid = geographic_to_grid(state_, Side{Index}, *point);
    if (const GridPoint* converted = value_or_report(grid)) {
        grid_point_ = *converted;
        shown_[static_cast<size_t>(Index)].grid = *converted;
        const SideControls& side = sides_[static_cast<size_t>(Index)];
        side.Text_east->setText(QString::fromStdString(format_fixed(converted->east, kDecimals)));
        side.Text_north->setText(QString::fromStdString(format_fixed(converted->north, kDecimals)));
        note_system_area(Index, *point);
    }
}

void ConversionTestPanel::Command_grid_to_geo_Click(int Index) {
    clear_area_notes();
    const SideControls& side = sides_[static_cast<size_t>(Index)];
    const std::string east = side.Text_east->text().toStdString();
    const std::string north = side.Text_north->text().toStdString();
    if (value_or_report(read_grid_point(east, north)) == nullptr) {
        return;
    }
    const GridPoint& shown = shown_[static_cast<size_t>(Index)].grid;
    grid_point_ = {number_as_shown(east, shown.east, kDecimals),
                   number_as_shown(north, shown.north, kDecimals)};
    const Result<GeographicPoint> point = grid_to_geographic(state_, Side{Index}, grid_point_);
    if (const GeographicPoint* converted = value_or_report(point)) {
        geographic_point_ = *converted;
        show_geographic(Index, *converted);
        note_system_area(Index, *converted);
    }
}

void ConversionTestPanel::Command_transform_Click(int Index) {
    clear_area_notes();
    const Result<GeographicPoint> point = read_point(Index);
    if (!point) {
        return;
    }
    const std::string typed_height =
        sides_[static_cast<size_t>(Index)].Text_elevation->text().toStdString();
    if (value_or_report(read_elevation(typed_height)) == nullptr) {
        return;
    }
    const double height =
        number_as_shown(typed_height, shown_[static_cast<size_t>(Index)].height, kDecimals);
    const Result<GeodeticPoint> moved =
        convert_between_datums(state_, Side{Index}, {*point, height});
    if (!moved) {
        show_message(error_message(moved.error()));
        return;
    }
    const auto other = static_cast<size_t>(1 - Index);
    geographic_point_ = moved->position;
    show_geographic(static_cast<int>(other), moved->position);
    shown_[other].height = moved->height;
    sides_[other].Text_elevation->setText(
        QString::fromStdString(format_fixed(moved->height, kDecimals)));
    if (!state_.current_datum_shift.is_none()) {
        sides_[other].Label_area->setText(
            outside_shift_note(catalogue_.catalogue(), state_.current_datum_shift, *point));
    }
}

void ConversionTestPanel::Command_done_test_Click() {
    setVisible(false);
    emit closed();
}

void ConversionTestPanel::Command_convert_file_Click() {
    const QString filter =
        tr("Text files (*.txt)") + ";;" + tr("CSV files (*.csv)") + ";;" + tr("All files (*)");
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::kOpen;
    request.title = tr("Convert File: Points to Read");
    request.filter = filter;
    const std::optional<QString> input = choose_file(request);
    if (!input) {
        return;
    }
    const QFileInfo read(*input);
    request.kind = FileDialogRequest::Kind::kSave;
    request.title = tr("Convert File: Converted Points to Write");
    request.file_name =
        read.dir().filePath(read.completeBaseName() + tr("-converted") +
                            (read.suffix().isEmpty() ? QString() : "." + read.suffix()));
    const std::optional<QString> output = choose_file(request);
    if (!output) {
        return;
    }
    const std::optional<PointPairDialog::PointPair> points =
        PointPairDialog::choose(file_points_, this);
    if (!points) {
        return;
    }
    file_points_ = *points;
    const bool map_grid = points->first == convert::PointKind::kMapGrid ||
                          points->second == convert::PointKind::kMapGrid;
    if (const Status taken = map_system_taken(state_.committed_coord_system); map_grid && !taken) {
        show_message(error_message(taken.error()));
        return;
    }
    const Result<convert::ConversionSetup> setup =
        panel_conversion_setup(state_, points->first, points->second);
    if (!setup) {
        show_message(error_message(setup.error()));
        return;
    }
    const Result<convert::ConversionEngine*> engine = conversion_engine();
    if (!engine) {
        show_message(FileConversion::tr("The file could not be converted: %1")
                         .arg(error_message(engine.error())));
        return;
    }
    convert::FileConversionJob job{*setup, QFile::encodeName(*input).toStdString(),
                                   QFile::encodeName(*output).toStdString()};
    auto* conversion = new FileConversion(**engine, std::move(job), window());
    Command_convert_file_->setEnabled(false);  // one conversion at a time
    connect(conversion, &FileConversion::finished, Command_convert_file_,
            [button = Command_convert_file_] { button->setEnabled(true); });
}

}  // namespace korv
