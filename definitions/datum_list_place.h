#pragma once
// Where the datum list "datum.csv" is kept, one place for the dialog and quarrow-convert: beside
// the program whenever the program's folder can be written (a portable or build-folder copy);
// otherwise, as for an installed program whose folder belongs to the system, in the user's data
// folder, so that the user's edits last from one start to the next.

#include <string>

namespace korv {

// The names that place the user's data folder: the organisation "Halvern" and the application
// "Quarrow". Both programs set them before they look for the list. The settings store keeps its
// own place and does not depend on them.
void set_application_names();

// "datum.csv" in the program's folder when a file can be made there. Otherwise "datum.csv" in the
// user's data folder, which is made when missing; a missing file there starts as a copy of the list
// beside the program when there is one, and is otherwise seeded as it is beside the program. When
// the user's data folder cannot be made either, the program's folder still: the list then keeps its
// entries for the run only.
std::string datum_list_path();

}  // namespace korv
