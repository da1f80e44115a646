#include "shown_number.h"

#include "numeric_text.h"

namespace korv {

double number_as_shown(std::string_view text, double shown, int decimals) {
    return text == format_fixed(shown, decimals) ? shown : leading_number(text);
}

}  // namespace korv
