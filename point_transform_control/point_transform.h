#pragma once
// The PointTransform control: lets the user define a grid-to-map transform, either as origin,
// scale and azimuth or from two pairs of points, with an elevation shift and scale. A host hands a
// CoordTransform in and reads it back; the control keeps its own copy. Hosts create it by the
// class name "KorvPointTransform.PointTransform" and use its property pointTransform and signal
// pointTransformChanged, directly or late-bound through the meta-object system. The members
// outside callers have always used (statuses, numbers by reference, file numbers) stay as a thin
// layer over the typed ones.

#include <QString>
#include <QVariant>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "coord_transform.h"
#include "coordinate_file.h"
#include "point_transform_export.h"
#include "record_metatypes.h"
#include "transform_fields.h"
#include "utilities.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace korv {

class KORV_POINT_TRANSFORM_EXPORT PointTransform : public QWidget {
    Q_OBJECT
    // The transform as last stored. Assigning it shows it on the "Origin, Scale and Azimuth" tab.
    Q_PROPERTY(korv::CoordTransform pointTransform READ pointTransform WRITE setPointTransform
                   NOTIFY pointTransformChanged DESIGNABLE false)

public:
    explicit PointTransform(QWidget* parent = nullptr);

    // The stored transform, as it is: no check of the fields, no message.
    CoordTransform pointTransform() const;

    // Takes a copy of `record` and shows it on the "Origin, Scale and Azimuth" tab, whatever tab
    // was current. Emits pointTransformChanged when the stored transform changed.
    void setPointTransform(const CoordTransform& record);

    // Checks the fields of the current tab and stores them, as a tab change does. False after a
    // message, the stored transform unchanged when a field was refused; emits
    // pointTransformChanged when that changed the stored transform.
    Q_INVOKABLE bool acceptEntries();

    // What accepting the entries would refuse them with: the message it would show, or nothing
    // when they would be stored. Shows nothing and stores nothing.
    Q_INVOKABLE std::optional<QString> entriesProblem() const;

    // The designed size of the control.
    QSize sizeHint() const override;

    // The members in the order outside callers know them (point_transform_legacy_members.cpp).
    // Arguments are by reference; parameter types are written in full so late-bound callers name
    // them as declared here.

    // Writes the cleared transform into `lCoordTransform`; the next store of the origin tab then
    // uses the default second original point again.
    Q_INVOKABLE void clear_coord_transform(korv::CoordTransform& lCoordTransform);

    // Solves rotation and scales from two point pairs; `ierr` 0 when solved, -1 (outputs left as
    // they were) for baselines shorter than 0.0001 or after a message on overflow.
    Q_INVOKABLE void convert_transform(double& gxmin, double& gymin, double& mxmin, double& mymin,
                                       double& gxmax, double& gymax, double& mxmax, double& mymax,
                                       double& rotation, double& xscale, double& yscale,
                                       int32_t& ierr);

    // One line of a file open for reading under `fnum`, as the runtime's line input gives it.
    Q_INVOKABLE QString get_line(int32_t& fnum);

    // One line of a file open for reading under `fnum`, read byte by byte: control characters
    // dropped, tabs as blanks, over-long lines cut.
    Q_INVOKABLE QString get_line_ch(int32_t& fnum);

    // Lets the user choose a coordinate file and reads it into the ten values (new x and y are
    // the map coordinates). `ierr` 0 when read; negative when the choice was cancelled; -1 after
    // a message otherwise (the values hold what was read when only the distance checks failed,
    // and are unchanged when the file could not be read).
    Q_INVOKABLE void load_coordinate_file(double& gxmin, double& gymin, double& xpmin,
                                          double& ypmin, double& gxmax, double& gymax,
                                          double& xpmax, double& ypmax, double& gzshift,
                                          double& gzscale, int32_t& ierr);

    // Shows the control's transform on the current tab.
    Q_INVOKABLE void load_transform_parameters();

    // Lets the user choose a coordinate file and writes the ten values to it (they are only
    // read). `ierr` 0 when written; non-zero when the choice was cancelled; -1 after a message
    // when the file could not be written (an earlier file of that name is then unchanged).
    Q_INVOKABLE void save_coordinate_file(double& gxmin, double& gymin, double& mxmin,
                                          double& mymin, double& gxmax, double& gymax,
                                          double& mxmax, double& mymax, double& zshift,
                                          double& zscale, int32_t& ierr);

    // As acceptEntries: `ierr` 0 when stored, -1 after a message.
    Q_INVOKABLE void unload_transform_parameters(int32_t& ierr);

    // Reading the property PointTransform: accepts the entries, then copies the transform into
    // `trValue`. Returns 0, or -1 after a message with `trValue` untouched.
    int32_t getPointTransform(CoordTransform& trValue);
    // The same for late-bound hosts: `trValue` receives a QVariant holding a korv::CoordTransform.
    Q_INVOKABLE int32_t getPointTransform(QVariant& trValue);

    // Assigning the property PointTransform for late-bound hosts, as setPointTransform; `value` is
    // not used. Returns nothing when assigned, or the reason when `trValue` holds no
    // korv::CoordTransform (the control is then unchanged).
    Q_INVOKABLE std::optional<QString> setPointTransform(const QVariant& trValue,
                                                         int32_t value = 0);

signals:
    // The stored transform changed, carrying it: entries accepted with other values (by
    // acceptEntries, a tab change, saving to a file, unload_transform_parameters or
    // getPointTransform), inverted, reset, loaded from a file, or a different record assigned.
    // Storing the same values again is no change.
    void pointTransformChanged(const korv::CoordTransform& record);

private:
    // Tells hosts of the stored transform when it differs from `before`.
    void notify_change_from(const CoordTransform& before);
    // Shows the stored transform on the tab `transform_type_` names, selecting that tab.
    void show_transform();
    // Stores the current tab's fields into `into`.
    Status store_entries(StoredTransform& into) const;
    // Lets the user choose a coordinate file and reads it, showing why when it cannot be read;
    // nothing when cancelled or unreadable.
    std::optional<CoordinateFileValues> read_chosen_file();
    // Shows a message for each pair of the file's points too close together; true when none are.
    bool accept_file_baselines(const PointPairs& points) const;
    // Lets the user choose a file and writes `values` to it, showing why when it cannot; true
    // when written.
    bool save_to_chosen_file(const CoordinateFileValues& values);

    void Tab_transform_type_Click();
    void Command_reset_Click();
    void Command_invert_transform_Click();
    void Command_load_transform_file_Click();
    void Command_save_transform_file_Click();

    QTabWidget* Tab_transform_type_ = nullptr;
    // Text boxes in the order their tab checks them (see OriginField and TwoPointField). The
    // elevation boxes form the control arrays Text_elevation_shift and Text_elevation_scale,
    // index 0 on the origin tab and 1 on the two-point tab; their object names carry the index
    // ("Text_elevation_shift0", "Text_elevation_shift1").
    std::array<QLineEdit*, kOriginFieldCount> origin_boxes_{};
    std::array<QLineEdit*, kTwoPointFieldCount> two_point_boxes_{};
    QPushButton* Command_reset_ = nullptr;
    QPushButton* Command_invert_transform_ = nullptr;
    QPushButton* Command_load_transform_file_ = nullptr;
    QPushButton* Command_save_transform_file_ = nullptr;

    StoredTransform stored_;
    int32_t transform_type_ = 0;  // the tab shown: 0 origin form, 1 two-point form
    Utilities utilities_;
};

}  // namespace korv
