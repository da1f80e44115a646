#include "command_line.h"

#include <charconv>
#include <cmath>

#include "spheroids.h"
#include "trim.h"

namespace korv::convert {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: quarrow-convert --from POINT --to POINT [options] [INPUT [OUTPUT]]
  or:  quarrow-convert --show proj --from POINT --to POINT [options]
  or:  quarrow-convert --show wkt [--system "P1|P2"] [--zone N]

Converts files of points with the source coordinate system and the datum shift that Quarrow's
dialog "Define Source Datum Definitions" defines, along the path of its conversion test panel:
source grid -> source geographic -> (datum shift) -> map geographic -> map grid.
Every point gives the numbers the test panel shows for it.

POINT is one of:
  source-grid          easting and northing in the source coordinate system, metres
  source-geographic    longitude and latitude on the source datum
  map-geographic       longitude and latitude on the map datum
  map-grid             easting and northing on the map datum, same projection as the source

Options:
  --from POINT, --to POINT
                       the points read and the points written
  --system "P1|P2"     the source coordinate system as the dialog stores it: the lists
                       Parameters1 (spheroid;projection;hemisphere;longitude origin;
                       latitude origin;standard parallel 1;standard parallel 2) and
                       Parameters2 (false easting;false northing;scale factor;zone width;zone)
                       joined by "|". Without it: the system the dialog keeps in the settings
                       store.
  --zone N             the zone, in place of the one stored
  --shift NAME         a datum shift of the dialog's datum list (datum.csv beside the
                       program, or in the user's data folder when the program's folder
                       cannot be written), its name compared without regard to case. "None",
                       or no shift at all, passes points unchanged, as in the dialog.
  --shift-parameters DX,DY,DZ,RX,RY,RZ,SC
                       a datum shift by its seven values: translations in metres, rotations
                       in seconds of arc (coordinate frame), scale change in parts per million
  --map-spheroid CODE  the spheroid of the map datum, a code of the dialog's spheroid list
                       (1 Australian National, 12 GRS80, 20 WGS84, ...)
  --labels             every line starts with a label (needed for labels that are numbers)
  --format decimal|dms
                       angles written in decimal degrees (default) or in degrees, minutes
                       and seconds as the dialog shows them
  --show proj          print the whole conversion as one PROJ pipeline and exit
  --show wkt           print the source coordinate system as WKT2 and exit
  -h, --help           print this text and exit

The map spheroid:
  Without --map-spheroid the map side uses the source's spheroid, exactly as the test panel
  does: the datum shift returns points on the source spheroid and the map grid is computed on
  it. For "AGD66 to GDA 94" from the Australian National spheroid the map points then lie
  about 0.6 m in latitude and 23 m in height away from GDA 94 on GRS80. Give --map-spheroid 12
  to get GDA 94 coordinates on GRS80.

Input:
  INPUT (or standard input, also for "-"): one point a line, two or three values separated by
  blanks, a tab, a comma or a semicolon, optionally led by a label: easting northing [height]
  or longitude latitude [height]. A line of three fields starts with a label when its first
  field is not a value. Angles in decimal degrees or any notation the dialog reads, such as
  "144 25 29.5244" (then separate the values by a comma, semicolon or tab). Empty lines and
  lines starting with "#" pass unchanged.

Output:
  OUTPUT (or standard output, also for "-"): one line for each input line, in the same order,
  labels and separators kept; grid values with 4 decimals, degrees with 9, heights with 4
  (a line without a height gets none). A line that cannot be read or converted keeps its label
  and gets "*" for each value, and "line N: reason" goes to standard error. OUTPUT is written
  beside itself and takes its place only when complete.

Exit status: 0 all lines converted, 1 some lines refused, 2 bad options or an unreadable input.

Examples:
  quarrow-convert --system " 1; 1; 2;-177; 0; 0; 0| 500000; 10000000; 0.9996; 6; 55" \
      --from source-grid --to map-geographic --shift "AGD66 to GDA 94" --map-spheroid 12 \
      amg66.txt gda94.txt
  echo "P7 320000 5810000 112.5" | quarrow-convert --from source-grid --to source-geographic \
      --format dms
  quarrow-convert --show proj --from source-grid --to map-geographic --shift "AGD66 to GDA 94"
  echo "320000 5810000 0" | cct -d 9 $(quarrow-convert --show proj --from source-grid \
      --to map-geographic --shift "AGD66 to GDA 94")
)";

Error option_error(std::string_view option, std::string_view problem) {
    return Error{std::string(option) + " " + std::string(problem)};
}

std::optional<int32_t> whole_number(std::string_view text) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

Result<DatumShift> shift_values(std::string_view text) {
    const std::string given(text);
    double values[7] = {};
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view field = trimmed(text.substr(0, comma), kBlanksAndTabs);
        double value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (count == 7 || field.empty() || error != std::errc{} ||
            end != field.data() + field.size() || !std::isfinite(value)) {
            return Error{"--shift-parameters takes seven numbers separated by commas"};
        }
        values[count++] = value;
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (count != 7) {
        return Error{"--shift-parameters takes seven numbers separated by commas"};
    }
    return DatumShift{given,     values[0], values[1], values[2],
                      values[3], values[4], values[5], values[6]};
}

// Takes the value of one option into `line`.
std::optional<Error> take(CommandLine& line, std::string_view option, std::string_view value) {
    if (option == "--from" || option == "--to") {
        const std::optional<PointKind> kind = point_kind(value);
        if (!kind) {
            return option_error(option,
                                "takes source-grid, source-geographic, map-geographic or map-grid");
        }
        (option == "--from" ? line.from : line.to) = kind;
    } else if (option == "--system") {
        line.system_lists = std::string(value);
    } else if (option == "--zone") {
        line.zone = whole_number(value);
        if (!line.zone || *line.zone < 1) {
            return option_error(option, "takes a zone number of 1 or more");
        }
    } else if (option == "--shift") {
        line.shift_name = std::string(value);
    } else if (option == "--shift-parameters") {
        Result<DatumShift> shift = shift_values(value);
        if (!shift) {
            return shift.error();
        }
        line.shift_values = std::move(shift).value();
    } else if (option == "--map-spheroid") {
        line.map_spheroid = whole_number(value);
        if (!line.map_spheroid || !find_spheroid(*line.map_spheroid)) {
            return option_error(option, "takes a spheroid code of the dialog's list, 1 to 22");
        }
    } else if (option == "--format") {
        if (value != "decimal" && value != "dms") {
            return option_error(option, "takes decimal or dms");
        }
        line.format.dialog_angles = value == "dms";
    } else if (option == "--show") {
        if (value != "proj" && value != "wkt") {
            return option_error(option, "takes proj or wkt");
        }
        line.show = value == "proj" ? CommandLine::Show::kProj : CommandLine::Show::kWkt;
    } else {
        return Error{"unknown option " + std::string(option)};
    }
    return std::nullopt;
}

}  // namespace

Result<CommandLine> parse_command_line(const std::vector<std::string_view>& arguments) {
    CommandLine line;
    std::vector<std::string_view> files;
    bool options_ended = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (options_ended || argument == "-" || !argument.starts_with('-')) {
            files.push_back(argument);
        } else if (argument == "--") {
            options_ended = true;
        } else if (argument == "-h" || argument == "--help") {
            line.help = true;
        } else if (argument == "--labels") {
            line.format.labels = true;
        } else {
            // "--option value" or "--option=value"
            const std::size_t equals = argument.find('=');
            const std::string_view option = argument.substr(0, equals);
            std::string_view value;
            if (equals != std::string_view::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return option_error(option, "needs a value");
            }
            if (std::optional<Error> error = take(line, option, value)) {
                return *error;
            }
        }
    }
    if (line.shift_name && line.shift_values) {
        return Error{"give either --shift or --shift-parameters"};
    }
    if (files.size() > 2) {
        return Error{"at most an input and an output file can be given"};
    }
    if (!files.empty()) {
        line.input = std::string(files[0]);
    }
    if (files.size() == 2) {
        line.output = std::string(files[1]);
    }
    return line;
}

std::string_view help_text() {
    return kHelp;
}

}  // namespace korv::convert
