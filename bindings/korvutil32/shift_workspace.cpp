#include "shift_workspace.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numbers>

#include "korvutil32_layout.h"

namespace korvutil32 {
namespace {

namespace slot = workspace;

constexpr double kRadiansPerArcSecond = std::numbers::pi / 180.0 / 3600.0;

}  // namespace

void write_shift_workspace(const korv::DatumShift& shift, double* workspace) {
    std::fill(workspace, workspace + kWorkspaceSize, 0.0);
    const double values[7] = {shift.dx, shift.dy, shift.dz, shift.rx, shift.ry, shift.rz, shift.sc};
    std::copy(values, values + 3, workspace + slot::kTranslation);
    std::copy(values + 3, values + 6, workspace + slot::kRotationSeconds);
    workspace[slot::kScalePpm] = shift.sc;
    workspace[slot::kScale] = shift.scale();
    const std::array<double, 9> matrix = shift.rotation_matrix();
    std::copy(matrix.begin(), matrix.end(), workspace + slot::kRotationMatrix);
    for (int i = 0; i < 3; ++i) {
        workspace[slot::kRotationRadians + i] = values[3 + i] * kRadiansPerArcSecond;
    }
}

std::optional<korv::DatumShift> read_shift_workspace(const double* workspace) {
    const double* t = workspace + slot::kTranslation;
    const double* r = workspace + slot::kRotationSeconds;
    const korv::DatumShift shift{{},   t[0], t[1], t[2],
                                 r[0], r[1], r[2], workspace[slot::kScalePpm]};
    double expected[kWorkspaceSize];
    write_shift_workspace(shift, expected);
    if (std::memcmp(expected, workspace, sizeof expected) != 0) {
        return std::nullopt;
    }
    return shift;
}

}  // namespace korvutil32
