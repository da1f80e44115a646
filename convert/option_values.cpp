#include "option_values.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <span>

#include "numeric_text.h"
#include "trim.h"

namespace korv::convert {
namespace {

struct StoredValue {
    std::string_view name;
    bool whole;
};

constexpr std::array<StoredValue, 7> kParameters1 = {{{"spheroid", true},
                                                      {"projection", true},
                                                      {"hemisphere", true},
                                                      {"longitude origin", false},
                                                      {"latitude origin", false},
                                                      {"standard parallel 1", false},
                                                      {"standard parallel 2", false}}};
constexpr std::array<StoredValue, 5> kParameters2 = {{{"false easting", false},
                                                      {"false northing", false},
                                                      {"scale factor", false},
                                                      {"zone width", false},
                                                      {"zone", true}}};
constexpr std::size_t kShiftValues = 7;

template <typename T>
std::optional<Error> error_of(const Result<T>& result) {
    return result ? std::nullopt : std::optional<Error>(result.error());
}

// Checks one stored list, its values separated by ";".
std::optional<Error> check_list(std::string_view list, std::string_view list_name,
                                std::span<const StoredValue> values) {
    std::size_t count = 0;
    for (std::size_t at = 0; at <= list.size(); ++count) {
        const std::size_t end = std::min(list.find(';', at), list.size());
        if (count < values.size()) {
            const StoredValue& value = values[count];
            const std::string_view text = list.substr(at, end - at);
            const std::string what = "--system: the " + std::string(value.name);
            if (std::optional<Error> wrong = value.whole ? error_of(whole_number_option(text, what))
                                                         : error_of(number_option(text, what))) {
                return wrong;
            }
        }
        at = end + 1;
    }
    if (count != values.size()) {
        return usage_error("--system: " + std::string(list_name) + " holds " +
                           std::to_string(count) + " values, not " + std::to_string(values.size()));
    }
    return std::nullopt;
}

}  // namespace

std::string quoted_text(std::string_view text) {
    return "\"" + std::string(trimmed(text, kBlanksAndTabs)) + "\"";
}

Result<double> number_option(std::string_view text, std::string_view what) {
    const std::optional<double> number = whole_number(text);
    if (!number) {
        return usage_error(std::string(what) + " " + quoted_text(text) + " is not a number");
    }
    return *number;
}

Result<int32_t> whole_number_option(std::string_view text, std::string_view what) {
    const Result<double> number = number_option(text, what);
    if (!number) {
        return number.error();
    }
    if (*number != std::trunc(*number)) {
        return usage_error(std::string(what) + " " + quoted_text(text) + " is not a whole number");
    }
    if (std::fabs(*number) > std::numeric_limits<int32_t>::max()) {
        return usage_error(std::string(what) + " " + quoted_text(text) + " is out of range");
    }
    return static_cast<int32_t>(*number);
}

Result<std::string> checked_system_lists(std::string_view lists) {
    const std::size_t bar = lists.find('|');
    if (bar == std::string_view::npos) {
        return usage_error("--system " + quoted_text(lists) +
                           " is not the two stored lists joined by \"|\"");
    }
    if (std::optional<Error> wrong =
            check_list(lists.substr(0, bar), "Parameters1", kParameters1)) {
        return *wrong;
    }
    if (std::optional<Error> wrong =
            check_list(lists.substr(bar + 1), "Parameters2", kParameters2)) {
        return *wrong;
    }
    return std::string(lists);
}

Result<int32_t> epsg_code(std::string_view code, std::string_view option) {
    const std::string what = std::string(option) + ": the EPSG code";
    const Result<int32_t> number = whole_number_option(code, what);
    if (number && *number < 1) {
        return usage_error(what + " " + quoted_text(code) + " is not a code of 1 or more");
    }
    return number;
}

Result<DatumShift> shift_parameters(std::string_view text) {
    std::array<double, kShiftValues> values{};
    std::size_t count = 0;
    for (std::size_t at = 0; at <= text.size(); ++count) {
        const std::size_t end = std::min(text.find(',', at), text.size());
        if (count < kShiftValues) {
            const Result<double> value =
                number_option(text.substr(at, end - at), "--shift-parameters:");
            if (!value) {
                return value.error();
            }
            values[count] = *value;
        }
        at = end + 1;
    }
    if (count != kShiftValues) {
        return usage_error("--shift-parameters " + quoted_text(text) + " holds " +
                           std::to_string(count) +
                           " values, not the seven numbers DX,DY,DZ,RX,RY,RZ,SC");
    }
    return DatumShift{std::string(text), values[0], values[1], values[2],
                      values[3],         values[4], values[5], values[6]};
}

}  // namespace korv::convert
