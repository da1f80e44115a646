#include "datum_shift.h"

#include <cmath>

#include "numeric_text.h"
#include "trim_spaces.h"

namespace korv {
namespace {

// The file writes 0.0000 for translations and scale and four decimals for the boxes; a user's
// edit of exactly 0.001 must not count as a change because of binary rounding in the difference.
constexpr double kEditTolerance = 0.001 + 1e-9;

std::string upper_case(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

// Cuts the first field off `rest` at its first comma, trimmed of blanks.
std::string_view take_field(std::string_view& rest) {
    const size_t comma = rest.find(',');
    std::string_view field = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    const size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return field.substr(first, field.find_last_not_of(' ') - first + 1);
}

DatumShift make_shift(const char* name, ShiftValues values) {
    DatumShift shift;
    shift.name = name;
    set_values(shift, values);
    prepare(shift);
    return shift;
}

}  // namespace

ShiftValues values_of(const DatumShift& shift) {
    return {shift.dx, shift.dy, shift.dz, shift.rx, shift.ry, shift.rz, shift.sc};
}

void set_values(DatumShift& shift, const ShiftValues& values) {
    shift.dx = values.dx;
    shift.dy = values.dy;
    shift.dz = values.dz;
    shift.rx = values.rx;
    shift.ry = values.ry;
    shift.rz = values.rz;
    shift.sc = values.sc;
}

void prepare(DatumShift& shift) {
    DEFINE_DATUM(&shift.dx, &shift.dy, &shift.dz, &shift.rx, &shift.ry, &shift.rz, &shift.sc,
                 shift.workspace.data());
}

const std::array<DatumShift, 2>& built_in_datum_shifts() {
    static const std::array<DatumShift, 2> shifts = {
        make_shift("AGD84 to GDA 94", {-117.763, -51.510, 139.061, -0.292, -0.443, -0.277, -0.191}),
        make_shift("AGD66 to GDA 94", {-117.808, -51.536, 137.784, -0.303, -0.446, -0.234, -0.290}),
    };
    return shifts;
}

bool same_name(std::string_view a, std::string_view b) {
    return upper_case(a) == upper_case(b);
}

bool values_match(const ShiftValues& a, const ShiftValues& b) {
    const double pairs[][2] = {{a.dx, b.dx}, {a.dy, b.dy}, {a.dz, b.dz}, {a.rx, b.rx},
                               {a.ry, b.ry}, {a.rz, b.rz}, {a.sc, b.sc}};
    for (const auto& pair : pairs) {
        if (!(std::fabs(pair[0] - pair[1]) <= kEditTolerance)) {
            return false;
        }
    }
    return true;
}

bool is_datum_file_header(std::string_view line) {
    const std::string upper = upper_case(line);
    return upper.find("NAME") != std::string::npos && upper.find("DX") != std::string::npos &&
           upper.find("RX") != std::string::npos;
}

bool is_entry_line(std::string_view line) {
    return !line.empty() && !line.starts_with("None");
}

std::string name_that_fits(std::string_view name, const ShiftValues& values) {
    std::string kept = trim_spaces(name);
    DatumShift numbers;
    set_values(numbers, values);
    // The numbers' part of the line, its first comma included, as written for an empty name.
    const size_t numbers_length = format_datum_line(numbers).size();
    const size_t blank = kept.starts_with("None") ? 1 : 0;   // written in front of such a name
    const size_t room = kLongestDatumLine - numbers_length;  // numbers never take 2000 characters
    if (kept.size() + blank > room) {
        kept = trim_spaces(std::string_view(kept).substr(0, room - blank));  // may end in blanks
    }
    return kept;
}

DatumShift parse_datum_line(std::string_view line) {
    std::string_view rest = line;
    DatumShift shift;
    const std::string_view name = take_field(rest);
    for (double* value :
         {&shift.dx, &shift.dy, &shift.dz, &shift.rx, &shift.ry, &shift.rz, &shift.sc}) {
        // A number too large for a double is no number: it reads 0, as text does.
        const double number = leading_number(take_field(rest));
        *value = std::isfinite(number) ? number : 0.0;
    }
    shift.name = name_that_fits(name, values_of(shift));
    return shift;
}

std::string format_datum_line(const DatumShift& shift) {
    std::string name = trim_spaces(shift.name);
    if (name.starts_with("None")) {
        // Lines starting with "None" hold no entry: one blank in front keeps this one, and
        // reading trims it off again.
        name.insert(0, " ");
    }
    return name + "," + format_fixed(shift.dx, 4) + "," + format_fixed(shift.dy, 4) + "," +
           format_fixed(shift.dz, 4) + "," + format_exponent(shift.rx) + "," +
           format_exponent(shift.ry) + "," + format_exponent(shift.rz) + "," +
           format_fixed(shift.sc, 4);
}

DatumShift inverse_of(const DatumShift& shift) {
    namespace ws = korvutil32::workspace;
    const auto& w = shift.workspace;
    const double s = w[ws::kScale];
    const double t[3] = {w[ws::kTranslation], w[ws::kTranslation + 1], w[ws::kTranslation + 2]};

    // Minus the transposed rotation applied to the translation, divided by the scale: column j
    // of M dotted with t.
    auto rotated_back = [&](int column) {
        double sum = 0;
        for (int row = 0; row < 3; ++row) {
            sum += w[ws::matrix(row, column)] * t[row];
        }
        return -sum / s;
    };

    DatumShift inverse;
    inverse.name = shift.name + " Inverse";
    set_values(inverse, {rotated_back(0), rotated_back(1), rotated_back(2), -shift.rx, -shift.ry,
                         -shift.rz, (1.0 / (1.0 + shift.sc / 1000000.0) - 1.0) * 1000000.0});
    return inverse;
}

}  // namespace korv
