#pragma once
// The folder the running program was started from ("datum.csv" lives there when it can be
// written), and the places relative to it where the libraries the program binds by name are found.

#include <QString>
#include <QStringList>

class QLibrary;

#include "platform_export.h"

namespace korv {

KORV_PLATFORM_EXPORT QString program_folder();

// Where a library the program binds by name at run time may be, most likely first: beside the
// program (in the build), in the installed program's own folder under the library folder (the
// file conversion engine), in the library folder (the public libraries), in Qt's plugin paths
// (where hosts find the control libraries), and last the name alone, for the system's own search.
KORV_PLATFORM_EXPORT QStringList library_candidates(const QString& library_name);

// Loads into `library` the library named `library_name` (no prefix, no suffix) from the first of
// its candidates that holds it, of this system's interface version where there is one. False
// with the reason otherwise.
KORV_PLATFORM_EXPORT bool load_library(QLibrary& library, const QString& library_name,
                                       QString& reason);

// Tests point the program's folder at a folder of their own; an empty folder restores the real one.
KORV_PLATFORM_EXPORT void set_program_folder(const QString& folder);

}  // namespace korv
