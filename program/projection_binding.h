#pragma once
// The dialog's Projection control, created by its class name and reached late-bound through its
// property `CoordinateSystem`, so the program depends on the control library only at run time.

#include <QString>
#include <cstdint>

#include "coord_system.h"

class QWidget;

namespace korv {

inline constexpr char kProjectionClassName[] = "KorvProjection.Projection";

// The new control, or null with the reason in `error`.
QWidget* create_projection_control(QWidget* parent, QString& error);

// Reads the control's definition: 0 with `record` filled when its entries pass its checks, -1
// (the user has seen the message) with `record` untouched otherwise.
int32_t read_coordinate_system(QWidget* control, CoordSystem& record);

// Gives the control a copy of `record` to show. An empty text on success, else the control's
// reason for refusing it.
QString assign_coordinate_system(QWidget* control, const CoordSystem& record);

}  // namespace korv
