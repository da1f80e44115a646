#pragma once
// Lets the records travel in a QVariant, as hosts exchange them with controls late-bound.

#include <QMetaType>

#include "coord_system.h"
#include "coord_transform.h"

Q_DECLARE_METATYPE(korv::CoordSystem)
Q_DECLARE_METATYPE(korv::CoordTransform)
