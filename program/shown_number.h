#pragma once
// Numbers the dialog shows rounded to a few decimals. While a box still holds the text it was
// shown with, it stands for the number to its last digit, so that reading back what was shown
// never rounds it.

#include <string_view>

namespace korv {

// `shown` when `text` is what the box was given for it (`shown` with `decimals` decimals), else
// the leading number of `text`.
double number_as_shown(std::string_view text, double shown, int decimals);

}  // namespace korv
