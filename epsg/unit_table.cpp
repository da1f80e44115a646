#include "unit_table.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace korv::epsg {
namespace {

constexpr const char* kSexagesimalDms = "EPSG:9110";

double leading_digits(std::string_view digits) {
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

std::optional<double> sexagesimal_degrees(double dms) {
    if (!std::isfinite(dms)) {
        return std::nullopt;
    }
    // The shortest decimal text that reads back to the number is the text the dataset wrote, so
    // minutes and seconds are taken from its digits, free of binary rounding.
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(dms), std::chars_format::fixed);
    if (error != std::errc{}) {
        return std::nullopt;
    }
    const std::string_view text(buffer, static_cast<size_t>(end - buffer));
    const size_t point = text.find('.');
    std::string fraction =
        point == std::string_view::npos ? "" : std::string(text.substr(point + 1));
    fraction.resize(std::max<size_t>(fraction.size(), 4), '0');
    const double degrees = leading_digits(text.substr(0, point));
    const double minutes = leading_digits(std::string_view(fraction).substr(0, 2));
    const double seconds = leading_digits(fraction.substr(2, 2) + "." + fraction.substr(4));
    if (minutes >= 60 || seconds >= 60) {
        return std::nullopt;
    }
    const double magnitude = degrees + minutes / 60 + seconds / 3600;
    return dms < 0 ? -magnitude : magnitude;
}

Result<UnitTable> UnitTable::read(const SqliteDatabase& database) {
    UnitTable table;
    const Status read = database.each_row(
        "SELECT auth_name || ':' || code, name, type, conv_factor FROM unit_of_measure",
        [&](const SqliteRow& row) {
            table.units_[row.text(0)] = Unit{row.text(1), row.text(2), row.number(3).value_or(0)};
        });
    if (!read) {
        return read.error();
    }
    return table;
}

std::optional<double> UnitTable::convert(double value, const std::string& unit,
                                         const std::string& target) const {
    if (unit == target) {
        return value;
    }
    const auto from = units_.find(unit);
    const auto to = units_.find(target);
    if (from == units_.end() || to == units_.end() || from->second.kind != to->second.kind ||
        to->second.factor == 0) {
        return std::nullopt;
    }
    if (unit == kSexagesimalDms) {
        const std::optional<double> degrees = sexagesimal_degrees(value);
        return degrees ? convert(*degrees, kDegree, target) : std::nullopt;
    }
    if (from->second.factor == 0) {
        return std::nullopt;  // another notation the catalogue does not read
    }
    return value * from->second.factor / to->second.factor;
}

std::string UnitTable::name(const std::string& unit) const {
    const auto found = units_.find(unit);
    return found == units_.end() ? unit : found->second.name;
}

}  // namespace korv::epsg
