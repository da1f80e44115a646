#pragma once
// The Projection control: the user states the coordinate system of source data (projection,
// spheroid, hemisphere, zone, origins, standard parallels, false origin, scale factor and zone
// width) and the host exchanges it as a whole CoordSystem record through CoordinateSystem.
//
// Hosts create it by the class name "KorvProjection.Projection" (control_factory.h) or link it
// directly. Late-bound, a host reaches CoordinateSystem through QMetaObject::invokeMethod with
// the record in a QVariant:
//
//     QVariant record;  // receives a korv::CoordSystem
//     int32_t ierr = -1;
//     QMetaObject::invokeMethod(control, "CoordinateSystem", Q_RETURN_ARG(int32_t, ierr),
//                               Q_ARG(QVariant&, record));

#include <QString>
#include <QVariant>
#include <QWidget>
#include <array>
#include <cstdint>

#include "coord_system.h"
#include "projection_entries.h"
#include "projection_export.h"
#include "record_metatypes.h"
#include "utilities.h"
#include "zone_stepping.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace korv {

class SpinButton;

class KORV_PROJECTION_EXPORT Projection : public QWidget {
    Q_OBJECT
    Q_PROPERTY(korv::CoordSystem coordinateSystem READ coordinateSystem WRITE setCoordinateSystem
                   NOTIFY coordinateSystemChanged)

public:
    explicit Projection(QWidget* parent = nullptr);
    ~Projection() override;

    // Reading CoordinateSystem. When the entries pass the checks, the control takes them into its
    // record, computes the derived constants, marks the record defined, copies it whole into
    // `trValue` and returns 0. Otherwise the user has been told why, and the result is -1 with
    // `trValue` and the control's record untouched.
    int32_t CoordinateSystem(CoordSystem& trValue);

    // Assigning CoordinateSystem: the control keeps a whole copy of `trValue` (name, defined and
    // derived included), brings it into range and shows it. Returns an empty text, or the reason
    // the record cannot be shown; the control then keeps the copy and stays usable.
    QString setCoordinateSystem(const CoordSystem& trValue);

    // The same two, late-bound: `trValue` holds a korv::CoordSystem. Reading replaces whatever
    // `trValue` held. An assigned value that holds anything else is refused with a "Type mismatch"
    // text and the control's record stays as it was. `ierr` is accepted and ignored.
    Q_INVOKABLE int32_t CoordinateSystem(QVariant& trValue);
    Q_INVOKABLE QString setCoordinateSystem(const QVariant& trValue, int32_t ierr = 0);

    // The control's record as last assigned or accepted.
    korv::CoordSystem coordinateSystem() const { return record_; }
    // Checks the entries, telling the user the first failure; when they pass, takes them into the
    // record with its derived constants, emits coordinateSystemChanged and returns true.
    Q_INVOKABLE bool acceptEntries();
    // The message of the first check the entries fail, or an empty text; shows nothing.
    Q_INVOKABLE QString entriesProblem() const;

signals:
    void coordinateSystemChanged();

private:
    void build_fields();
    void lay_out_fields();
    void connect_handlers();
    void UserControl_Initialize();
    void Command_reset_Click();
    void Combo_projection_Click();
    void Combo_hemisphere_Click();
    void Spin1_SpinDown();
    void Spin1_SpinUp();
    void step_zone_number(ZoneStep step);

    // Shows the stored record in the fields, correcting it first; returns why it cannot be
    // shown, or an empty text.
    QString show_coord_system();
    // The shown choices and texts.
    ProjectionEntries entries() const;
    // 0 when the entries pass; otherwise -1, after telling the user the first failure.
    int32_t check_entries();
    int32_t read_property(CoordSystem& trValue);
    // Shows the stored record and tells the user when it cannot be shown.
    void show_stored_record();
    void select_hemisphere(int32_t hemisphere);
    void write_text(EntryText field, const QString& text);

    QComboBox* Combo_projection = nullptr;
    QLineEdit* Text_zone_number = nullptr;
    SpinButton* Spin1 = nullptr;
    QComboBox* Combo_spheroid = nullptr;
    QComboBox* Combo_hemisphere = nullptr;
    QLineEdit* Text_false_east = nullptr;
    QLineEdit* Text_false_north = nullptr;
    QLineEdit* Text_scale_factor = nullptr;
    QLineEdit* Text_longitude_origin = nullptr;
    QLineEdit* Text_latitude_origin = nullptr;
    QLineEdit* Text_zone_width = nullptr;
    // The two standard parallels: index 1 and 2 of one array of boxes, named
    // Text_standard_parallel1 and Text_standard_parallel2.
    std::array<QLineEdit*, 3> Text_standard_parallel{};
    QPushButton* Command_reset = nullptr;

    struct TextBox {
        EntryText field;
        QLineEdit* box;
    };
    // Every text box with the entry it shows, in the order a record is written to them.
    std::array<TextBox, 9> text_boxes_{};

    CoordSystem record_;   // the control's own copy
    bool loading = false;  // true while show_coord_system writes the fields
    Utilities utilities_;
};

}  // namespace korv
