// quarrow-convert: converts files of points with the source coordinate system and datum shift
// that the dialog defines, along the path of its conversion test panel.
#include <QCoreApplication>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>

#include "command_line.h"
#include "conversion.h"
#include "datum_list.h"
#include "datum_list_place.h"
#include "file_streams.h"
#include "source_settings.h"
#include "system_wkt.h"
#include "terminal_progress.h"
#include "trim.h"

namespace {

using namespace korv;
using namespace korv::convert;

constexpr int kAllConverted = 0;
constexpr int kSomeRefused = 1;
constexpr int kFailed = 2;

// Set by SIGINT or SIGTERM while an output file is written, so that the file written beside its
// target is removed before the program ends by that signal.
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);
std::atomic<bool> interrupted{false};
std::atomic<int> interrupting_signal{0};

extern "C" void on_interrupt(int signal) {
    interrupting_signal = signal;
    interrupted = true;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "quarrow-convert: %s\n", message.c_str());
    return kFailed;
}

// The definition the dialog keeps in the settings store.
Result<CoordinateSystemDefinition> kept_definition() {
    const Result<StoredSourceSystem> kept = stored_source_system();
    if (!kept) {
        return Error{kept.message() + "; define one in the dialog or give it with --system"};
    }
    return kept->definition;
}

Result<CoordinateSystemDefinition> source_definition(const CommandLine& line) {
    const Result<CoordinateSystemDefinition> given =
        line.system_lists ? source_system_from_lists(*line.system_lists) : kept_definition();
    if (!given) {
        return given.error();
    }
    CoordinateSystemDefinition definition = *given;
    definition.zone_number = line.zone.value_or(definition.zone_number);
    if (!projection_kind(projection_number(definition.projection))) {
        return Error{"the projection " + std::to_string(projection_number(definition.projection)) +
                     " is not one of the projection list"};
    }
    return definition;
}

// The shift named or given, or none for no shift and for "None", as the dialog has it. A name is
// looked up in the dialog's datum list, loaded as the dialog loads it.
Result<std::optional<DatumShift>> shift_of(const CommandLine& line) {
    if (line.shift_values) {
        return std::optional<DatumShift>(*line.shift_values);
    }
    if (!line.shift_name || DatumShift{*line.shift_name}.is_none()) {
        return std::optional<DatumShift>();
    }
    DatumList list(datum_list_path());
    list.load_datum_list();
    const DatumShift* listed = list.entry_named(*line.shift_name);
    if (listed == nullptr) {
        return Error{"the datum list " + list.path() + " holds no datum shift named \"" +
                     std::string(trimmed(*line.shift_name)) + "\""};
    }
    return std::optional<DatumShift>(*listed);
}

int convert(const CommandLine& line, const Conversion& conversion) {
    std::unique_ptr<FileSource> source;
    if (line.input == "-") {
        source = FileSource::standard_input(is_terminal(stdin));
    } else {
        Result<std::unique_ptr<FileSource>> opened = FileSource::open(line.input);
        if (!opened) {
            return fail(opened.message());
        }
        source = std::move(opened).value();
    }
    StandardOutput standard_output;
    std::unique_ptr<OutputFile> output_file;
    if (line.output != "-") {
        Result<std::unique_ptr<OutputFile>> created = OutputFile::create(line.output);
        if (!created) {
            return fail(created.message());
        }
        output_file = std::move(created).value();
        std::signal(SIGINT, on_interrupt);
        std::signal(SIGTERM, on_interrupt);
    }
    ByteSink& sink = output_file ? static_cast<ByteSink&>(*output_file) : standard_output;

    TerminalProgress progress(is_terminal(stderr));
    StreamOptions options;
    options.format = line.format;
    options.cancel = &interrupted;
    options.progress = [&](const Progress& p) { progress.show(p); };
    options.refusals = [&](std::string_view text) { progress.message(text); };
    const Result<Summary> summary = convert_stream(conversion, *source, sink, options);
    if (!summary) {
        return fail(summary.message());
    }
    if (summary->cancelled) {
        return kFailed;  // the file written beside the target goes with `output_file`
    }
    if (const Status finished = output_file ? output_file->commit() : sink.flush(); !finished) {
        return fail(finished.message());
    }
    if (summary->refused > 0) {
        progress.message("quarrow-convert: " + std::to_string(summary->refused) + " of " +
                         std::to_string(summary->points) + " points refused\n");
        return kSomeRefused;
    }
    return kAllConverted;
}

int run(const CommandLine& line) {
    const Result<CoordinateSystemDefinition> source = source_definition(line);
    if (!source) {
        return fail(source.message());
    }
    if (line.show == CommandLine::Show::kWkt) {
        const Result<std::string> wkt = coordinate_system_wkt(*source);
        if (!wkt) {
            return fail(wkt.message());
        }
        std::printf("%s\n", wkt->c_str());
        return kAllConverted;
    }
    if (!line.from || !line.to) {
        return fail("--from and --to are needed; see quarrow-convert --help");
    }
    const Result<std::optional<DatumShift>> shift = shift_of(line);
    if (!shift) {
        return fail(shift.message());
    }
    ConversionSetup setup;
    setup.source = *source;
    // The map side uses a copy of the source's coordinate system, as the test panel does.
    setup.map = *source;
    if (line.map_spheroid) {
        setup.map.spheroid = *line.map_spheroid;
    }
    setup.shift = *shift;
    setup.from = *line.from;
    setup.to = *line.to;
    const Result<Conversion> conversion = Conversion::create(setup);
    if (!conversion) {
        return fail(conversion.message());
    }
    if (line.show == CommandLine::Show::kProj) {
        std::printf("%s\n", conversion->pipeline().c_str());
        return kAllConverted;
    }
    return convert(line, *conversion);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const Result<CommandLine> line = parse_command_line(arguments);
    if (!line) {
        return fail(line.message() + "; see quarrow-convert --help");
    }
    if (line->help) {
        std::fwrite(help_text().data(), 1, help_text().size(), stdout);
        return kAllConverted;
    }
    // The program's folder and the user's data folder, where the datum list is kept, are known
    // through the application.
    QCoreApplication application(argc, argv);
    set_application_names();
    int status = kFailed;
    try {
        status = run(*line);
    } catch (const std::exception& exception) {
        status = fail(exception.what());
    }
    if (const int signal = interrupting_signal.load(); signal != 0) {
        // Ends as the signal would have ended it, now that nothing is left half written.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    return status;
}
