// quarrow-convert: converts files of points with the source coordinate system and datum shift
// that the dialog defines, along the path of its conversion test panel.
#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>

#include "command_line.h"
#include "conversion.h"
#include "datum_list.h"
#include "datum_list_place.h"
#include "file_output.h"
#include "file_streams.h"
#include "interruption.h"
#include "refusal_listing.h"
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

// The shift named or given; none for no shift and for "None", as the dialog has it. A name is
// looked up in the dialog's datum list, loaded as the dialog loads it.
Result<DatumShift> shift_of(const CommandLine& line) {
    if (line.shift_values) {
        return *line.shift_values;
    }
    if (!line.shift_name || DatumShift{*line.shift_name}.is_none()) {
        return DatumShift{};
    }
    DatumList list(datum_list_path());
    list.load_datum_list();
    const DatumShift* listed = list.entry_named(*line.shift_name);
    if (listed == nullptr) {
        return Error{"the datum list " + list.path() + " holds no datum shift named \"" +
                     std::string(trimmed(*line.shift_name)) + "\""};
    }
    return *listed;
}

// What an output file, or standard output, is called in messages.
std::string name_of(const std::string& file, const char* standard) {
    return file == "-" ? standard : file;
}

// Tells that no point was converted: an existing OUTPUT file is worth more than a file of
// refused lines, and is left as it was.
int nothing_converted(const CommandLine& line, const FileOutput* output, TerminalProgress& out) {
    std::string message = "quarrow-convert: no point converted";
    if (output != nullptr && output->replaces()) {
        std::error_code ignored;
        message +=
            "; " + line.output +
            (std::filesystem::exists(line.output, ignored) ? " left as it was" : " not written");
    }
    out.message(message + "\n");
    return kSomeRefused;
}

int convert(const CommandLine& line, const Conversion& conversion) {
    if (is_same_file(line.input, line.output)) {
        return fail("the output " + name_of(line.output, "(standard output)") + " is the input " +
                    name_of(line.input, "(standard input)") +
                    "; write the converted points to another file");
    }
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
    std::unique_ptr<FileOutput> output_file;
    if (line.output != "-") {
        Result<std::unique_ptr<FileOutput>> created = FileOutput::create(line.output);
        if (!created) {
            return fail(created.message());
        }
        output_file = std::move(created).value();
        watch_interruptions();
    }
    ByteSink& sink = output_file ? static_cast<ByteSink&>(*output_file) : standard_output;

    TerminalProgress progress(is_terminal(stderr));
    RefusalListing listing(line.verbose ? SIZE_MAX : RefusalListing::kScreenful);
    StreamOptions options;
    options.format = line.format;
    options.cancel = &interrupted();
    options.progress = [&](const Progress& p) { progress.show(p); };
    options.refusals = [&](std::span<const RefusedLine> refused) {
        // Once a screenful is listed, the status line stays and the rest is only counted.
        if (const std::string listed = listing.list(refused); !listed.empty()) {
            progress.message(listed);
        }
    };
    const Result<Summary> summary = convert_stream(conversion, *source, sink, options);
    if (interrupted()) {
        // The file written beside OUTPUT goes with `output_file`.
        progress.message("quarrow-convert: interrupted" +
                         (output_file && output_file->replaces()
                              ? "; " + line.output + " left as it was\n"
                              : std::string("\n")));
        return kFailed;
    }
    if (!summary) {
        return fail(summary.message());
    }
    progress.message(listing.rest());
    if (summary->points == summary->refused) {
        return nothing_converted(line, output_file.get(), progress);
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
    const Result<DatumShift> shift = shift_of(line);
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
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
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
    // Now that nothing is left half written.
    end_as_interrupted();
    return status;
}
