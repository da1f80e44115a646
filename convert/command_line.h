#pragma once
// The options of quarrow-convert and its help text.

#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "conversion.h"
#include "datum_shift.h"
#include "point_line.h"
#include "result.h"

namespace korv::convert {

struct CommandLine {
    enum class Show { kNothing, kProj, kWkt, kProjJson, kEpsg };

    std::optional<PointKind> from;
    std::optional<PointKind> to;
    std::optional<std::string> system_lists;  // "P1|P2", every value a number
    std::optional<int32_t> system_code;       // EPSG:CODE
    std::optional<int32_t> zone;
    std::optional<std::string> shift_name;
    std::optional<DatumShift> shift_values;
    std::optional<int32_t> shift_code;  // EPSG:CODE
    std::optional<int32_t> map_spheroid;
    // Points outside the areas of use of the published system and shift are refused, not only
    // counted.
    bool refuse_outside = false;
    std::optional<std::string> list_shifts;  // the words the published shifts are listed by
    LineFormat format;
    Show show = Show::kNothing;
    bool verbose = false;  // every refused line listed, however many
    bool help = false;
    std::string input = "-";   // "-" for standard input
    std::string output = "-";  // "-" for standard output
};

// The options of `arguments` (without the program's name), or an error saying which is wrong,
// with the text as typed.
Result<CommandLine> parse_command_line(const QStringList& arguments);

// The text --help prints.
std::string_view help_text();

}  // namespace korv::convert
