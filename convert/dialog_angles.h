#pragma once
// The dialog's angle text, from the utility library. A header of its own that names no record
// or vocabulary type: the utility library's header brings the coordinate-system record, whose
// constants clash with the vocabulary's, so only this file's source includes it.

#include <cstdint>
#include <string>
#include <string_view>

namespace korv::convert {

// Decimal degrees of an angle in any notation the dialog reads; `kind` 1 for a longitude, -1 for
// a latitude. False for a text that is no angle.
bool read_dialog_angle(std::string_view text, double& degrees, int32_t kind);

// The angle as the dialog shows it (degrees, minutes and seconds).
std::string dialog_angle_text(double degrees);

}  // namespace korv::convert
