#include "shift_identification.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

#include "word_search.h"

namespace korv::epsg {
namespace {

// Half a step of the list's "0.0000" format, and a little for the binary rounding of both sides.
constexpr double kHalfFixedStep = 0.5e-4;
constexpr double kSlack = 1e-9;

bool near_fixed(double a, double b) {
    return std::fabs(a - b) <= kHalfFixedStep + kSlack;
}

// Rotations are written "0.0000e+00": half a step of the fifth significant digit of the larger
// of the two, and never finer than the boxes' four decimals.
bool near_rotation(double a, double b) {
    const double larger = std::fmax(std::fabs(a), std::fabs(b));
    const double half_step =
        larger > 0 ? 0.5 * std::pow(10.0, std::floor(std::log10(larger)) - 4) : 0.0;
    return std::fabs(a - b) <= std::fmax(half_step, kHalfFixedStep) + kSlack;
}

// Whether `name` gives the code, as "EPSG:1460" and not as the start of "EPSG:14601".
bool names_code(const std::string& name, int32_t code) {
    const std::string tag = "EPSG:" + std::to_string(code);
    for (size_t at = name.find(tag); at != std::string::npos; at = name.find(tag, at + 1)) {
        const size_t after = at + tag.size();
        if (after == name.size() || name[after] < '0' || name[after] > '9') {
            return true;
        }
    }
    return false;
}

// Smaller is better.
auto rank(const DatumShift& entry, const std::string& entry_words, const PublishedShift& shift) {
    const int named_systems =
        static_cast<int>(entry_words.find(letters_and_digits(shift.source_system)) !=
                         std::string::npos) +
        static_cast<int>(entry_words.find(letters_and_digits(shift.target_system)) !=
                         std::string::npos);
    return std::make_tuple(!names_code(entry.name, shift.code), shift.deprecated, -named_systems,
                           shift.accuracy.value_or(std::numeric_limits<double>::infinity()),
                           shift.code);
}

}  // namespace

bool prints_alike(const DatumShift& entry, const DatumShift& published) {
    return near_fixed(entry.dx, published.dx) && near_fixed(entry.dy, published.dy) &&
           near_fixed(entry.dz, published.dz) && near_rotation(entry.rx, published.rx) &&
           near_rotation(entry.ry, published.ry) && near_rotation(entry.rz, published.rz) &&
           near_fixed(entry.sc, published.sc);
}

std::vector<PublishedShift> identify(const DatumShift& entry,
                                     std::span<const PublishedShift> published) {
    std::vector<PublishedShift> found;
    for (const PublishedShift& shift : published) {
        if (prints_alike(entry, shift.shift)) {
            found.push_back(shift);
        }
    }
    const std::string entry_words = letters_and_digits(entry.name);
    std::ranges::sort(found, [&](const PublishedShift& a, const PublishedShift& b) {
        return rank(entry, entry_words, a) < rank(entry, entry_words, b);
    });
    return found;
}

}  // namespace korv::epsg
