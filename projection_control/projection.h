#pragma once
// The Projection control: the user states the coordinate system of source data (projection,
// spheroid, hemisphere, zone, origins, standard parallels, false origin, scale factor and zone
// width) and the host exchanges it as a whole CoordSystem record.
//
// Hosts create it by the class name "KorvProjection.Projection" (control_factory.h) or link it
// directly. Its typed members serve both, linked or late-bound through Qt's meta-object system:
// the property `coordinateSystem` (the control's record; assigning it shows it), `acceptEntries`
// (checks the entries and takes them into the record), `entriesProblem` (why they would not be
// accepted, shown to nobody), `entriesCoordinateSystem` (the record they would give) and the
// signals `coordinateSystemChanged`, `entriesEdited` and `coordinateSystemNotShown`:
//
//     control->setProperty("coordinateSystem", QVariant::fromValue(record));
//     QObject::connect(control, SIGNAL(entriesEdited()), host, SLOT(entries_edited()));
//     bool accepted = false;
//     QMetaObject::invokeMethod(control, "acceptEntries", Q_RETURN_ARG(bool, accepted));
//     if (accepted) {
//         record = control->property("coordinateSystem").value<korv::CoordSystem>();
//     }
//
// Hosts written against the older late-bound member `CoordinateSystem` reach it with the record
// in a QVariant:
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
#include "result.h"
#include "utilities.h"
#include "zone_stepping.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace korv {

class SpinButton;

class KORV_PROJECTION_EXPORT Projection : public QWidget {
    Q_OBJECT
    // A form holds no record: the host assigns one at run time.
    Q_PROPERTY(korv::CoordSystem coordinateSystem READ coordinateSystem WRITE setCoordinateSystem
                   NOTIFY coordinateSystemChanged DESIGNABLE false)

public:
    explicit Projection(QWidget* parent = nullptr);
    ~Projection() override;

    // The control's record as it stands: the last one assigned or accepted. Neither checks nor
    // reads the entries.
    CoordSystem coordinateSystem() const { return record_; }

    // Keeps a whole copy of `record` (name, defined and derived included), brings it into range
    // and shows it, without running the lists' defaults. A record naming a projection the list
    // does not hold is kept but not shown: the fields keep what they showed and
    // coordinateSystemNotShown tells why.
    void setCoordinateSystem(const CoordSystem& record);

    // When the entries pass the checks, takes them into the record, computes the derived
    // constants, marks the record defined and returns true. Otherwise the user has been told
    // the first failure, and the record stays as it was.
    Q_INVOKABLE bool acceptEntries();

    // The message acceptEntries would show for the entries as they stand, or nothing when they
    // pass the checks. Shows nothing and changes nothing.
    Q_INVOKABLE std::optional<QString> entriesProblem() const;

    // The record acceptEntries would take the entries into (its derived constants and `defined`
    // as the record holds them), as a korv::CoordSystem; an invalid value when the entries fail
    // the checks. Stores nothing and shows nothing, so a host may ask on every edit.
    Q_INVOKABLE QVariant entriesCoordinateSystem() const;

    // The members in the form outside callers have always used (projection_legacy_members.cpp).

    // Reading CoordinateSystem: acceptEntries, then a whole copy of the record into `trValue`
    // and 0; -1 with `trValue` untouched when the entries are not accepted.
    int32_t CoordinateSystem(CoordSystem& trValue);

    // The same, late-bound: `trValue` holds a korv::CoordSystem. Reading replaces whatever
    // `trValue` held. Assigning returns nothing once the record is kept and shown, or the reason it
    // cannot be shown (kept as setCoordinateSystem keeps it); an assigned value that holds
    // anything else is refused with a "Type mismatch" text and the control's record stays as it
    // was. `ierr` is accepted and ignored.
    Q_INVOKABLE int32_t CoordinateSystem(QVariant& trValue);
    Q_INVOKABLE std::optional<QString> setCoordinateSystem(const QVariant& trValue,
                                                           int32_t ierr = 0);

signals:
    // The control's record changed, carrying it: a different record assigned, or entries
    // accepted with other values. Assigning or accepting the same values again is no change.
    void coordinateSystemChanged(const korv::CoordSystem& record);
    // The user changed a field or a list entry (typing, a list choice, a zone step or Reset).
    // Never raised by an assignment.
    void entriesEdited();
    // A record assigned to the property was kept but cannot be shown, for the reason given.
    // (The late-bound assignment returns the reason instead.)
    void coordinateSystemNotShown(const QString& reason);

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

    // Shows the stored record in the fields, correcting it first; an error says why it cannot
    // be shown.
    Status show_coord_system();
    // Takes `record` as the stored record and shows it; emits coordinateSystemChanged when the
    // stored record changed.
    Status assign(const CoordSystem& record);
    // Takes `record` as the stored record; emits coordinateSystemChanged when it changed.
    void store(const CoordSystem& record);
    // The shown choices and texts.
    ProjectionEntries entries() const;
    // Shows the stored record; false after telling the user why it cannot be shown.
    bool show_stored_record();
    void select_hemisphere(int32_t hemisphere);
    // Writes a default into a field, which then no longer shows the record's value.
    void write_default(EntryText field, const QString& text);

    QComboBox* Combo_projection_ = nullptr;
    QLineEdit* Text_zone_number_ = nullptr;
    SpinButton* Spin1_ = nullptr;
    QComboBox* Combo_spheroid_ = nullptr;
    QComboBox* Combo_hemisphere_ = nullptr;
    QLineEdit* Text_false_east_ = nullptr;
    QLineEdit* Text_false_north_ = nullptr;
    QLineEdit* Text_scale_factor_ = nullptr;
    QLineEdit* Text_longitude_origin_ = nullptr;
    QLineEdit* Text_latitude_origin_ = nullptr;
    QLineEdit* Text_zone_width_ = nullptr;
    // The two standard parallels: index 1 and 2 of one array of boxes, named
    // Text_standard_parallel1 and Text_standard_parallel2.
    std::array<QLineEdit*, 3> Text_standard_parallel_{};
    QPushButton* Command_reset_ = nullptr;

    struct TextBox {
        EntryText field;
        QLineEdit* box;
    };
    // Every text box with the entry it shows, in the order a record is written to them.
    std::array<TextBox, 9> text_boxes_{};

    CoordSystem record_;  // the control's own copy
    // The texts the fields were last shown with for the record's values; an empty text for a
    // field the control has rewritten since, or for every field while the record is not shown.
    ProjectionEntries shown_;
    // Its angle conversions keep nothing between calls, so the validity query may use them.
    mutable Utilities utilities_;
};

}  // namespace korv
