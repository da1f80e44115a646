#pragma once
// The numbers quarrow-convert's options take, read strictly: the whole text (blanks around it
// allowed) must be one finite number, so that a typo ("5OOOOO") is refused with the text as
// typed rather than read as the number it starts with, as the settings store reads its lists.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "datum_shift.h"
#include "result.h"

namespace korv::convert {

// A failure of the options as given: the command line's own words, in English.
inline Error usage_error(std::string words) {
    return Error{ErrorCode::kCommandLineUsage, {std::move(words)}};
}

// The text as an option's value is named in messages: in quotes, blanks and tabs around it left
// out.
std::string quoted_text(std::string_view text);

// The number the whole text spells, or an error naming `what` and the text.
Result<double> number_option(std::string_view text, std::string_view what);
// The whole 32-bit number the whole text spells, or an error naming `what` and the text.
Result<int32_t> whole_number_option(std::string_view text, std::string_view what);

// `lists`, the stored lists "P1|P2" of --system, when each of the seven values of Parameters1
// and the five of Parameters2 is a number as a whole text (the codes and the zone whole ones);
// otherwise an error naming the value and its text.
Result<std::string> checked_system_lists(std::string_view lists);

// The code of "EPSG:CODE", given the text after "EPSG:", or an error naming `option` when it is no
// whole number of 1 or more.
Result<int32_t> epsg_code(std::string_view code, std::string_view option);

// The shift of --shift-parameters: seven numbers separated by commas.
Result<DatumShift> shift_parameters(std::string_view text);

}  // namespace korv::convert
