#pragma once
// The folder the running program was started from; "datum.csv" lives there.

#include <QString>

#include "platform_export.h"

namespace korv {

KORV_PLATFORM_EXPORT QString program_folder();

// Tests point the program's folder at a folder of their own; an empty folder restores the real one.
KORV_PLATFORM_EXPORT void set_program_folder(const QString& folder);

}  // namespace korv
