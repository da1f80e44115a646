// quarrow-convert: converts files of points with the source coordinate system and datum shift
// that the dialog defines, along the path of its conversion test panel.
#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>

#include "area_of_use_check.h"
#include "catalogue_lines.h"
#include "command_line.h"
#include "command_line_inputs.h"
#include "conversion.h"
#include "datum_list_place.h"
#include "file_output.h"
#include "file_streams.h"
#include "interruption.h"
#include "proj_database_catalogue.h"
#include "published_areas.h"
#include "refusal_listing.h"
#include "system_text.h"
#include "terminal_progress.h"

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

int convert(const CommandLine& line, const Conversion& conversion, const AreaOfUseCheck& areas) {
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
            return fail(english_message(opened.error()));
        }
        source = std::move(opened).value();
    }
    StandardOutput standard_output;
    std::unique_ptr<FileOutput> output_file;
    if (line.output != "-") {
        Result<std::unique_ptr<FileOutput>> created = FileOutput::create(line.output);
        if (!created) {
            return fail(english_message(created.error()));
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
        return fail(english_message(summary.error()));
    }
    progress.message(listing.rest());
    progress.message(outside_summary(areas, summary->points));
    if (summary->points == summary->refused) {
        return nothing_converted(line, output_file.get(), progress);
    }
    if (const Status finished = output_file ? output_file->commit() : sink.flush(); !finished) {
        return fail(english_message(finished.error()));
    }
    if (summary->refused > 0) {
        progress.message("quarrow-convert: " + std::to_string(summary->refused) + " of " +
                         std::to_string(summary->points) + " points refused\n");
        return kSomeRefused;
    }
    return kAllConverted;
}

// The published shifts whose code, name, systems, datums or area hold the words.
int list_shifts(const std::string& words, const epsg::Catalogue& catalogue) {
    const Result<std::span<const epsg::PublishedShift>> shifts = catalogue.shifts();
    if (!shifts) {
        return fail(english_message(shifts.error()));
    }
    const std::vector<std::size_t> found = catalogue.find_shifts(words);
    for (const std::size_t at : found) {
        std::printf("%s\n", shift_line((*shifts)[at]).c_str());
    }
    if (found.empty()) {
        std::fprintf(stderr, "quarrow-convert: no published datum shift matches \"%s\"\n",
                     words.c_str());
        return kSomeRefused;
    }
    return kAllConverted;
}

// What --show prints of the source coordinate system alone.
int show_system(CommandLine::Show show, const CoordinateSystemDefinition& source,
                const epsg::Catalogue& catalogue) {
    if (show == CommandLine::Show::kEpsg) {
        const std::vector<epsg::PublishedSystem> matching = catalogue.matching_systems(source);
        for (const epsg::PublishedSystem& system : matching) {
            std::printf("%s\n", system_line(system).c_str());
        }
        if (matching.empty()) {
            std::printf("no published EPSG system\n");
        }
        return kAllConverted;
    }
    const Result<std::string> text = coordinate_system_text(
        source, show == CommandLine::Show::kWkt ? SystemText::kWkt2 : SystemText::kProjJson);
    if (!text) {
        return fail(english_message(text.error()));
    }
    std::printf("%s\n", text->c_str());
    return kAllConverted;
}

int run(const CommandLine& line) {
    const epsg::ProjDatabaseCatalogue catalogue;
    if (line.list_shifts) {
        return list_shifts(*line.list_shifts, catalogue);
    }
    const Result<CoordinateSystemDefinition> source = source_definition(line, catalogue);
    if (!source) {
        return fail(english_message(source.error()));
    }
    if (line.show != CommandLine::Show::kNothing && line.show != CommandLine::Show::kProj) {
        return show_system(line.show, *source, catalogue);
    }
    if (!line.from || !line.to) {
        return fail("--from and --to are needed; see quarrow-convert --help");
    }
    const Result<DatumShift> shift = datum_shift(line, catalogue);
    if (!shift) {
        return fail(english_message(shift.error()));
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
    Result<Conversion> conversion = Conversion::create(setup);
    if (!conversion) {
        return fail(english_message(conversion.error()));
    }
    if (line.show == CommandLine::Show::kProj) {
        std::printf("%s\n", conversion->pipeline().c_str());
        return kAllConverted;
    }
    const auto areas = std::make_shared<const AreaOfUseCheck>(published_areas(setup, catalogue),
                                                              line.refuse_outside);
    if (line.refuse_outside && areas->areas().empty()) {
        // The user asked for a check that cannot be made: say why rather than pass in silence.
        const Result<std::span<const epsg::PublishedSystem>> readable = catalogue.systems();
        std::fprintf(stderr, "quarrow-convert: %s; no point is refused for lying outside one\n",
                     readable ? "neither the coordinate system nor the datum shift is published "
                                "with an area of use"
                              : english_message(readable.error()).c_str());
    }
    Conversion checked = std::move(conversion).value();
    checked.check_areas(areas);
    return convert(line, checked, *areas);
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const Result<CommandLine> line = parse_command_line(arguments);
    if (!line) {
        return fail(english_message(line.error()) + "; see quarrow-convert --help");
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
