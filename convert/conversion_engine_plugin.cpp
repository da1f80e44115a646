#include "conversion_engine_plugin.h"

#include "conversion.h"
#include "file_output.h"
#include "file_streams.h"

namespace korv::convert {
namespace {

// One point through the conversion, as a block of a file's points goes through it.
Result<PointCoordinates> convert_one(const Conversion& conversion, PointCoordinates point) {
    Refusal refusal = Refusal::kNone;
    conversion.convert_all({&point, 1}, {&refusal, 1});
    if (refusal != Refusal::kNone) {
        return Error{refusal_code(refusal)};
    }
    return point;
}

}  // namespace

Result<FileConversionReport> ConversionEnginePlugin::convert_file(
    const FileConversionJob& job, const FileConversionProgress& progress,
    const std::atomic<bool>& cancel) {
    if (is_same_file(job.input, job.output)) {
        return Error{ErrorCode::kOutputIsInput, {job.output, job.input}};
    }
    const Result<Conversion> conversion = Conversion::create(job.setup);
    if (!conversion) {
        return conversion.error();
    }
    Result<std::unique_ptr<FileSource>> source = FileSource::open(job.input);
    if (!source) {
        return source.error();
    }
    // Dropped uncommitted on every way out but success: the target keeps what it held.
    Result<std::unique_ptr<FileOutput>> output = FileOutput::create(job.output);
    if (!output) {
        return output.error();
    }
    StreamOptions options;
    options.cancel = &cancel;
    if (progress) {
        options.progress = [&progress](const Progress& p) {
            const double done = p.total_bytes && *p.total_bytes > 0
                                    ? static_cast<double>(p.bytes) / *p.total_bytes
                                    : -1.0;
            progress(p.points, done);
        };
    }
    const Result<Summary> summary = convert_stream(*conversion, **source, **output, options);
    if (!summary) {
        return summary.error();
    }
    FileConversionReport report;
    report.points = summary->points;
    report.refused = summary->refused;
    // A cancel that comes after the last lines were written still writes nothing.
    report.cancelled = summary->cancelled || cancel;
    for (const RefusedLine& refused : summary->first_refusals) {
        report.first_refusals.push_back({refused.line, refusal_code(refused.reason)});
    }
    if (report.cancelled || report.points == report.refused) {
        return report;  // an earlier file keeps what it held
    }
    if (const Status committed = (*output)->commit(); !committed) {
        return committed.error();
    }
    return report;
}

Result<PointCoordinates> ConversionEnginePlugin::convert_point(
    const ConversionSetup& setup, const PointCoordinates& point) const {
    const Result<Conversion> conversion = Conversion::create(setup);
    if (!conversion) {
        return conversion.error();
    }
    return convert_one(*conversion, point);
}

}  // namespace korv::convert
