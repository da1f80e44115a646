#include "angle_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "numeric_text.h"

namespace korv {
namespace {

constexpr int kMaxSecondDecimals = 5;
constexpr int kMinSecondDecimals = 2;
constexpr long long kSecondUnits = 100000;  // 10^kMaxSecondDecimals
// Above this many units the total no longer fits a 64-bit integer comfortably.
constexpr double kLargestUnits = 9.0e18;

enum class Unit { kDegrees, kMinutes, kSeconds };
constexpr int kUnitCount = 3;

// One piece of angle text. Blanks only separate pieces; `spaced` says a blank came before.
struct Token {
    enum class Kind { kNumber, kSign, kMark, kColon, kLetter } kind{};
    double value = 0;  // kNumber
    Unit unit{};       // kMark
    char symbol = 0;   // kSign: '+' or '-'; kLetter: N, S, E or W
    bool spaced = false;
};

// Signs of degrees, minutes and seconds: UTF-8 text of each, longest first where one begins
// another ("''" before "'").
struct MarkText {
    std::string_view text;
    Unit unit;
};
constexpr MarkText kMarks[] = {
    {"\u00B0", Unit::kDegrees}, {"d", Unit::kDegrees},  {"\u2032", Unit::kMinutes},
    {"''", Unit::kSeconds},     {"'", Unit::kMinutes},  {"m", Unit::kMinutes},
    {"\u2033", Unit::kSeconds}, {"\"", Unit::kSeconds}, {"s", Unit::kSeconds},
};

// The pieces of `text`, or nothing when it holds a character no angle is written with.
std::optional<std::vector<Token>> tokens_of(std::string_view text) {
    using enum Token::Kind;
    std::vector<Token> tokens;
    bool spaced = false;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            spaced = true;
            ++i;
            continue;
        }
        const bool after_blank = std::exchange(spaced, false);
        const std::string_view rest = text.substr(i);
        // A sign is a piece of its own, so that it makes the whole angle negative.
        const ScannedNumber number = c == '+' || c == '-' ? ScannedNumber{} : scan_number(rest);
        if (number.length != 0) {
            tokens.push_back({.kind = kNumber, .value = number.value, .spaced = after_blank});
            i += number.length;
        } else if (c == '+' || c == '-') {
            tokens.push_back({.kind = kSign, .symbol = c, .spaced = after_blank});
            ++i;
        } else if (c == ':') {
            tokens.push_back({.kind = kColon, .spaced = after_blank});
            ++i;
        } else if (c == 'N' || c == 'S' || c == 'E' || c == 'W') {
            tokens.push_back({.kind = kLetter, .symbol = c, .spaced = after_blank});
            ++i;
        } else {
            const auto mark = std::ranges::find_if(
                kMarks, [rest](const MarkText& m) { return rest.starts_with(m.text); });
            if (mark == std::end(kMarks)) {
                return std::nullopt;
            }
            tokens.push_back({.kind = kMark, .unit = mark->unit, .spaced = after_blank});
            i += mark->text.size();
        }
    }
    return tokens;
}

// Whether a hemisphere letter fits the kind of angle; S and W count as a minus sign.
bool letter_fits(char letter, int32_t kind) {
    if (kind == kLongitudeAngle) {
        return letter == 'E' || letter == 'W';
    }
    if (kind == kLatitudeAngle) {
        return letter == 'N' || letter == 'S';
    }
    return false;
}

}  // namespace

// Angle text is read as: an optional hemisphere letter, an optional sign, then degrees, minutes
// and seconds, each a number that a mark may follow, then the letter if it did not come first.
// Numbers without marks take the next unit in turn; marks must go from degrees to seconds.
std::optional<double> angle_from_text(std::string_view text, int32_t kind) {
    using enum Token::Kind;
    const std::optional<std::vector<Token>> tokens = tokens_of(text);
    if (!tokens) {
        return std::nullopt;
    }
    const std::vector<Token>& t = *tokens;
    size_t i = 0;
    const auto at = [&](Token::Kind wanted) { return i < t.size() && t[i].kind == wanted; };

    char letter = 0;
    if (at(kLetter)) {
        letter = t[i++].symbol;
    }
    bool negative = false;
    const bool signed_text = at(kSign);
    if (signed_text) {
        negative = t[i++].symbol == '-';
    }
    std::array<double, kUnitCount> parts{};
    int next_unit = 0;
    bool separated = true;  // the first number needs nothing before it
    while (at(kNumber)) {
        if (!separated && !t[i].spaced) {
            return std::nullopt;  // "1.5.3": two numbers run together
        }
        const double number = t[i++].value;
        int unit = next_unit;
        separated = false;
        if (at(kMark)) {
            unit = static_cast<int>(t[i++].unit);
            separated = true;
        }
        if (unit < next_unit || unit >= kUnitCount) {
            return std::nullopt;
        }
        if (unit > 0 && number >= 60.0) {
            return std::nullopt;
        }
        parts[static_cast<size_t>(unit)] = number;
        next_unit = unit + 1;
        if (at(kColon)) {
            ++i;
            if (!at(kNumber)) {
                return std::nullopt;
            }
            separated = true;
        }
    }
    if (next_unit == 0) {
        return std::nullopt;  // no number at all
    }
    if (letter == 0 && at(kLetter)) {
        letter = t[i++].symbol;
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    if (letter != 0) {
        if (!letter_fits(letter, kind) || signed_text) {
            return std::nullopt;
        }
        negative = letter == 'S' || letter == 'W';
    }
    const double degrees = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
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
