#pragma once
// The dialog's Projection control, created by its class name and reached late-bound through its
// typed members (the property `coordinateSystem` and `acceptEntries`), so the program depends on
// the control library only at run time.

#include <QWidget>

#include "coord_system.h"
#include "result.h"

namespace korv {

inline constexpr char kProjectionClassName[] = "KorvProjection.Projection";

// The new control, or an error with the reason it cannot be created.
Result<QWidget*> create_projection_control(QWidget* parent);

// The control's definition when its entries pass its checks. An error when they do not, or when
// there is no control to read; either way the user has been told why.
Result<CoordSystem> read_coordinate_system(QWidget* control);

// Gives the control a copy of `record` to show; an error when there is no control to take it.
Status assign_coordinate_system(QWidget* control, const CoordSystem& record);

}  // namespace korv
