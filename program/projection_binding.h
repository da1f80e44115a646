#pragma once
// The dialog's Projection control, created by its class name and reached late-bound through its
// typed members (the property `coordinateSystem` and `acceptEntries`), so the program depends on
// the control library only at run time.

#include <QWidget>
#include <optional>

#include "coord_system.h"
#include "result.h"

namespace korv {

inline constexpr char kProjectionClassName[] = "KorvProjection.Projection";

// The new control, or an error with the reason it cannot be created.
Result<QWidget*> create_projection_control(QWidget* parent);

// The control's definition when its entries pass its checks. An error when they do not, or when
// there is no control to read; either way the user has been told why.
Result<CoordSystem> read_coordinate_system(QWidget* control);

// The record the control's entries would give, without taking them and without telling the user
// anything: nothing when they fail the control's checks or there is no control.
std::optional<CoordSystem> entered_coordinate_system(QWidget* control);

// Why the control would refuse its entries, translated; nothing when it would take them or there
// is no control.
std::optional<QString> entries_problem(QWidget* control);

// Calls the slot of `receiver` named by its signature ("refresh()") whenever the control raises the
// signal so named ("entriesEdited()"); false when either is missing.
bool connect_control_signal(QWidget* control, const char* signal, QObject* receiver,
                            const char* slot);

// Gives the control a copy of `record` to show; an error when there is no control to take it.
Status assign_coordinate_system(QWidget* control, const CoordSystem& record);

}  // namespace korv
