#include "command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <algorithm>

#include "option_values.h"
#include "spheroids.h"

namespace korv::convert {
namespace {

std::string text_of(const QString& value) {
    return value.toStdString();
}

std::string named(const QString& value) {
    return quoted_text(text_of(value));
}

// The code of a value "EPSG:CODE" (the prefix in any case) into `code`; false for a value that
// names no code.
Result<bool> take_epsg_code(const QString& value, const std::string& option,
                            std::optional<int32_t>& code) {
    const QString kPrefix = QStringLiteral("EPSG:");
    const QString given = value.trimmed();
    if (!given.startsWith(kPrefix, Qt::CaseInsensitive)) {
        return false;
    }
    const Result<int32_t> number = epsg_code(text_of(given.mid(kPrefix.size())), option);
    if (!number) {
        return number.error();
    }
    code = *number;
    return true;
}

constexpr struct {
    const char* value;
    CommandLine::Show show;
} kShows[] = {{"proj", CommandLine::Show::kProj},
              {"wkt", CommandLine::Show::kWkt},
              {"projjson", CommandLine::Show::kProjJson},
              {"epsg", CommandLine::Show::kEpsg}};

// Takes the value of the option `name` into `line`.
std::optional<Error> take(CommandLine& line, const QString& name, const QString& value) {
    const std::string option = "--" + text_of(name);
    if (name == "from" || name == "to") {
        const std::optional<PointKind> kind = point_kind(text_of(value));
        if (!kind) {
            return usage_error(
                option + " " + named(value) +
                ": it takes source-grid, source-geographic, map-geographic or map-grid");
        }
        (name == "from" ? line.from : line.to) = kind;
    } else if (name == "system") {
        const Result<bool> coded = take_epsg_code(value, option, line.system_code);
        if (!coded) {
            return coded.error();
        }
        if (*coded) {
            return std::nullopt;
        }
        Result<std::string> lists = checked_system_lists(text_of(value));
        if (!lists) {
            return lists.error();
        }
        line.system_lists = std::move(lists).value();
    } else if (name == "zone") {
        const Result<int32_t> zone = whole_number_option(text_of(value), option);
        if (!zone) {
            return zone.error();
        }
        if (*zone < 1) {
            return usage_error(option + " " + named(value) + " is not a zone number of 1 or more");
        }
        line.zone = *zone;
    } else if (name == "shift") {
        const Result<bool> coded = take_epsg_code(value, option, line.shift_code);
        if (!coded) {
            return coded.error();
        }
        if (!*coded) {
            line.shift_name = text_of(value);
        }
    } else if (name == "shift-parameters") {
        Result<DatumShift> shift = shift_parameters(text_of(value));
        if (!shift) {
            return shift.error();
        }
        line.shift_values = std::move(shift).value();
    } else if (name == "map-spheroid") {
        const Result<int32_t> code = whole_number_option(text_of(value), option);
        if (!code || !find_spheroid(*code)) {
            return usage_error(option + " " + named(value) +
                               ": it takes a spheroid code of the dialog's list, 1 to 22");
        }
        line.map_spheroid = *code;
    } else if (name == "format") {
        if (value != "decimal" && value != "dms") {
            return usage_error(option + " " + named(value) + ": it takes decimal or dms");
        }
        line.format.dialog_angles = value == "dms";
    } else if (name == "show") {
        const auto shown = std::find_if(std::begin(kShows), std::end(kShows),
                                        [&](const auto& show) { return value == show.value; });
        if (shown == std::end(kShows)) {
            return usage_error(option + " " + named(value) +
                               ": it takes proj, wkt, projjson or epsg");
        }
        line.show = shown->show;
    }
    return std::nullopt;
}

}  // namespace

Result<CommandLine> parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    const QStringList valued = {"from",         "to",     "system",
                                "zone",         "shift",  "shift-parameters",
                                "map-spheroid", "format", "show"};
    for (const QString& name : valued) {
        parser.addOption(QCommandLineOption(name, QString(), name.toUpper()));
    }
    const QCommandLineOption labels("labels"), header("header"), no_header("no-header"),
        verbose("verbose"), refuse_outside("refuse-outside"), list_shifts("list-shifts"),
        help(QStringList{"h", "help"});
    parser.addOptions({labels, header, no_header, verbose, refuse_outside, list_shifts, help});
    if (!parser.parse(QStringList{QStringLiteral("quarrow-convert")} + arguments)) {
        QString problem = parser.errorText();
        if (problem.endsWith('.')) {
            problem.chop(1);
        }
        return usage_error(text_of(problem));
    }
    CommandLine line;
    line.help = parser.isSet(help);
    line.verbose = parser.isSet(verbose);
    line.refuse_outside = parser.isSet(refuse_outside);
    line.format.labels = parser.isSet(labels);
    if (parser.isSet(header) && parser.isSet(no_header)) {
        return usage_error("give either --header or --no-header");
    }
    line.format.header = parser.isSet(header)      ? HeaderReading::kFirstLine
                         : parser.isSet(no_header) ? HeaderReading::kNone
                                                   : HeaderReading::kAuto;
    for (const QString& name : valued) {
        if (parser.isSet(name)) {
            if (std::optional<Error> error = take(line, name, parser.value(name))) {
                return *error;
            }
        }
    }
    if ((line.shift_name || line.shift_code) && line.shift_values) {
        return usage_error("give either --shift or --shift-parameters");
    }
    if (parser.isSet(list_shifts)) {
        // Its words are all that follows, so that they need no quotes.
        line.list_shifts = text_of(parser.positionalArguments().join(' '));
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 2) {
        return usage_error("at most an input and an output file can be given");
    }
    if (!files.empty()) {
        line.input = QFile::encodeName(files[0]).toStdString();
    }
    if (files.size() == 2) {
        line.output = QFile::encodeName(files[1]).toStdString();
    }
    return line;
}

}  // namespace korv::convert
