#pragma once
// Where the datum list "datum.csv" is kept: one place for the dialog and quarrow-convert.

#include <string>

namespace korv {

// "datum.csv" in the program's folder.
std::string datum_list_path();

}  // namespace korv
