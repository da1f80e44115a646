#include "dialog_angles.h"

#include "angle_text.h"
#include "utilities.h"

namespace korv::convert {

bool read_dialog_angle(std::string_view text, double& degrees, int32_t kind) {
    return Utilities().parse_angle(text, degrees, kind);
}

std::string dialog_angle_text(double degrees) {
    return angle_to_text(degrees);
}

}  // namespace korv::convert
