#include "datum_file.h"

#include <cmath>

#include "numeric_text.h"
#include "trim.h"

namespace korv {
namespace {

// The numbers' part of a line, its first comma included, never takes this many characters: four
// fixed numbers of at most 316 characters each, three in exponent form and the commas.
constexpr size_t kLongestNumbers = 2000;

char upper_case(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool contains_upper_case(std::string_view line, std::string_view word) {
    for (size_t start = 0; start + word.size() <= line.size(); ++start) {
        if (same_name(line.substr(start, word.size()), word)) {
            return true;
        }
    }
    return false;
}

// Cuts the first field off `rest` at its first comma, trimmed of blanks.
std::string_view take_field(std::string_view& rest) {
    const size_t comma = rest.find(',');
    const std::string_view field = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    return trimmed(field);
}

}  // namespace

const std::array<DatumShift, 2>& built_in_datum_shifts() {
    static const std::array<DatumShift, 2> shifts = {{
        {"AGD84 to GDA 94", -117.763, -51.510, 139.061, -0.292, -0.443, -0.277, -0.191},
        {"AGD66 to GDA 94", -117.808, -51.536, 137.784, -0.303, -0.446, -0.234, -0.290},
    }};
    return shifts;
}

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (upper_case(a[i]) != upper_case(b[i])) {
            return false;
        }
    }
    return true;
}

bool is_datum_file_header(std::string_view line) {
    return contains_upper_case(line, "NAME") && contains_upper_case(line, "DX") &&
           contains_upper_case(line, "RX");
}

bool is_entry_line(std::string_view line) {
    return !line.empty() && !line.starts_with("None");
}

std::string_view name_that_fits(std::string_view name, const DatumShift& shift) {
    std::string_view kept = trimmed(name);
    const size_t blank = kept.starts_with("None") ? 1 : 0;  // written in front of such a name
    if (kept.size() + blank + kLongestNumbers <= kLongestDatumLine) {
        return kept;  // fits whatever the numbers: their text need not be made
    }
    DatumShift numbers = shift;
    numbers.name.clear();
    const size_t room = kLongestDatumLine - format_datum_line(numbers).size();
    if (kept.size() + blank > room) {
        kept = trimmed(kept.substr(0, room - blank));  // may end in blanks
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
    shift.name = name_that_fits(name, shift);
    return shift;
}

std::string format_datum_line(const DatumShift& shift) {
    std::string line;
    const std::string_view name = trimmed(shift.name);
    if (name.starts_with("None")) {
        // Lines starting with "None" hold no entry: one blank in front keeps this one, and
        // reading trims it off again.
        line = " ";
    }
    line += name;
    for (const double value : {shift.dx, shift.dy, shift.dz}) {
        line += ',' + format_fixed(value, 4);
    }
    for (const double value : {shift.rx, shift.ry, shift.rz}) {
        line += ',' + format_exponent(value);
    }
    line += ',' + format_fixed(shift.sc, 4);
    return line;
}

}  // namespace korv
