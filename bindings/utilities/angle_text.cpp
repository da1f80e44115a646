#include "angle_text.h"

#include <cmath>
#include <vector>

#include "numeric_text.h"

namespace korv {
namespace {

constexpr int kMaxSecondDecimals = 5;
constexpr int kMinSecondDecimals = 2;
constexpr long long kSecondUnits = 100000;  // 10^kMaxSecondDecimals
// Above this many units the total no longer fits a 64-bit integer comfortably.
constexpr double kLargestUnits = 9.0e18;

std::vector<std::string_view> split_blanks(std::string_view text) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
        const size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') {
            ++i;
        }
        if (i > start) {
            fields.push_back(text.substr(start, i - start));
        }
    }
    return fields;
}

}  // namespace

std::optional<double> angle_from_text(std::string_view text) {
    const std::vector<std::string_view> fields = split_blanks(text);
    if (fields.empty() || fields.size() > 3) {
        return std::nullopt;
    }
    for (std::string_view field : fields) {
        if (!is_numeric(field)) {
            return std::nullopt;
        }
    }
    const bool negative = fields[0].front() == '-';
    double degrees = std::fabs(leading_number(fields[0]));
    for (size_t i = 1; i < fields.size(); ++i) {
        const double part = leading_number(fields[i]);
        if (fields[i].front() == '-' || fields[i].front() == '+' || part >= 60.0) {
            return std::nullopt;
        }
        degrees += part / (i == 1 ? 60.0 : 3600.0);
    }
    if (!std::isfinite(degrees)) {
        return std::nullopt;
    }
    return negative ? -degrees : degrees;
}

std::string angle_to_text(double degrees) {
    const double units = std::round(std::fabs(degrees) * 3600.0 * kSecondUnits);
    if (!std::isfinite(units) || units > kLargestUnits) {
        return format_general(degrees);
    }
    const auto total = static_cast<long long>(units);
    const long long whole_degrees = total / (3600 * kSecondUnits);
    const long long minutes = total / (60 * kSecondUnits) % 60;
    const long long second_units = total % (60 * kSecondUnits);

    std::string seconds = std::to_string(second_units / kSecondUnits) + ".";
    std::string fraction = std::to_string(second_units % kSecondUnits);
    fraction.insert(0, static_cast<size_t>(kMaxSecondDecimals) - fraction.size(), '0');
    while (fraction.size() > static_cast<size_t>(kMinSecondDecimals) && fraction.back() == '0') {
        fraction.pop_back();
    }
    seconds += fraction;

    const bool negative = degrees < 0 && total != 0;
    return (negative ? "-" : "") + std::to_string(whole_degrees) + " " + std::to_string(minutes) +
           " " + seconds;
}

}  // namespace korv
