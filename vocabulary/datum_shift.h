#pragma once
// A seven-parameter datum shift as published: three translations, three rotations and a scale
// change, for the shift X' = t + s * M * X between geocentric coordinates. The rotations follow
// the coordinate frame convention in their small-angle form, as the published Australian shifts
// are defined.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "angle_units.h"
#include "trim.h"

namespace korv {

struct DatumShift {
    std::string name;  // as the datum shift list shows it; names compare without regard to case
    double dx = 0;     // translations, metres
    double dy = 0;
    double dz = 0;
    double rx = 0;  // rotations, seconds of arc
    double ry = 0;
    double rz = 0;
    double sc = 0;  // scale change, parts per million

    // s = 1 + sc / 1 000 000
    double scale() const { return 1.0 + sc / 1e6; }

    // M row by row (element 3i + j is row i, column j), the rotations in radians:
    // [[1, rz, -ry], [-rz, 1, rx], [ry, -rx, 1]].
    std::array<double, 9> rotation_matrix() const {
        const double x = rx * kRadiansPerArcSecond;
        const double y = ry * kRadiansPerArcSecond;
        const double z = rz * kRadiansPerArcSecond;
        return {1.0, z, -y, -z, 1.0, x, y, -x, 1.0};
    }

    // The shift that undoes this one, named after it with " Inverse": the rotations negated,
    // the translation rotated back by the transposed matrix and divided by the scale
    // (t' = -transpose(M) t / s), and the scale change inverted. Exact to second order in the
    // rotations, as the small-angle matrix is orthogonal only to first order.
    DatumShift inverted() const {
        const std::array<double, 9> m = rotation_matrix();
        const double t[3] = {dx, dy, dz};
        const double s = scale();
        auto rotated_back = [&](int column) {
            double sum = 0;
            for (int row = 0; row < 3; ++row) {
                sum += m[3 * row + column] * t[row];
            }
            return -sum / s;
        };
        return {
            name + " Inverse",    rotated_back(0), rotated_back(1), rotated_back(2), -rx, -ry, -rz,
            (1.0 / s - 1.0) * 1e6};
    }

    // No shift at all: the name, blanks around it aside, is empty or "None" in any case. Points
    // pass such a shift unchanged, whatever its values.
    bool is_none() const {
        const std::string_view kept = trimmed(name);
        const auto upper = [](char c) {
            return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        };
        return kept.empty() || std::ranges::equal(kept, std::string_view("NONE"), {}, upper);
    }

    // The seven values alike, each within `tolerance` of the other's; names are not compared.
    bool same_values(const DatumShift& other, double tolerance) const {
        const double pairs[][2] = {{dx, other.dx}, {dy, other.dy}, {dz, other.dz}, {rx, other.rx},
                                   {ry, other.ry}, {rz, other.rz}, {sc, other.sc}};
        for (const auto& pair : pairs) {
            if (!(std::fabs(pair[0] - pair[1]) <= tolerance)) {
                return false;
            }
        }
        return true;
    }

    friend bool operator==(const DatumShift&, const DatumShift&) = default;
};

}  // namespace korv
