#pragma once
// The conversion test panel "Frame_transform_test": on top the source side, at the bottom the map
// side, each converting a point between latitude/longitude and easting/northing, and between them
// the two buttons that move a point through the current datum shift. Under a result, a note says
// when its point lies outside the area of use of the published systems or transformation it was
// converted with. Beside its "Done", "Convert File..." converts a whole file of points along the
// same path. It changes nothing outside itself but the file the user chooses to write.

#include <QFrame>
#include <array>

#include "panel_conversions.h"
#include "point_pair_dialog.h"
#include "program_state.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;

namespace korv {

class CatalogueOnDemand;

class ConversionTestPanel : public QFrame {
    Q_OBJECT

public:
    // The panel reads the program's coordinate systems and current shift; it never changes them.
    // The areas of use come from `catalogue`.
    ConversionTestPanel(const ProgramState& state, CatalogueOnDemand& catalogue,
                        QWidget* parent = nullptr);

    // Puts the keyboard focus on the source side's longitude.
    void focus_first_field();

    void Command_geo_to_grid_Click(int Index);
    void Command_grid_to_geo_Click(int Index);
    void Command_transform_Click(int Index);
    void Command_done_test_Click();
    // Asks for a file of points, the file to write and the two points to convert between, then
    // converts with the panel's coordinate systems and datum shift while the dialog stays
    // responsive.
    void Command_convert_file_Click();

signals:
    // "Done" was pressed: the panel has hidden itself.
    void closed();

private:
    // The controls of one side; index 0 is the source side, 1 the map side.
    struct SideControls {
        QGroupBox* frame = nullptr;
        QLineEdit* Text_lon = nullptr;
        QLineEdit* Text_lat = nullptr;
        QLineEdit* Text_east = nullptr;
        QLineEdit* Text_north = nullptr;
        QLineEdit* Text_elevation = nullptr;
        QPushButton* Command_geo_to_grid = nullptr;
        QPushButton* Command_grid_to_geo = nullptr;
        QLabel* Label_area = nullptr;  // the note on the area of use
    };

    QGroupBox* build_side(int index, const QString& caption);
    // The side's geographic point, also kept as the test point; refused after telling the user
    // why.
    Result<GeographicPoint> read_point(int index);
    void show_geographic(int index, const GeographicPoint& point);
    // Clears both sides' notes; the next result brings its own.
    void clear_area_notes();
    // The note beside side `index`'s result when the point it projected or unprojected lies
    // outside the area of use of the systems the side's coordinate system is.
    void note_system_area(int index, const GeographicPoint& point);

    CatalogueOnDemand& catalogue_;
    const ProgramState& state_;
    std::array<SideControls, 2> sides_;
    std::array<QPushButton*, 2> Command_transform_{};
    QPushButton* Command_done_test_ = nullptr;
    QPushButton* Command_convert_file_ = nullptr;
    PointPairDialog::PointPair file_points_{convert::PointKind::kSourceGrid,
                                            convert::PointKind::kMapGeographic};

    // The test point, kept between clicks and shared by both sides.
    GeographicPoint geographic_point_;
    GridPoint grid_point_;
    // By side, the numbers its east, north and elevation boxes were last given: a box that still
    // shows one stands for it to the last digit, not to the shown decimal.
    struct ShownNumbers {
        GridPoint grid;
        double height = 0;
    };
    std::array<ShownNumbers, 2> shown_{};
};

}  // namespace korv
