#pragma once
// The conversion engine as the dialog reaches it: a Qt plugin that the library "QuarrowConvert"
// holds, bound by name on first use. Every conversion the dialog makes goes through it, whole
// files of points and the test panel's single points alike, and it holds the EPSG catalogue of
// the projection engine's database. The dialog links neither the conversion engine nor the
// projection engine behind it, so starting it loads neither. Only the shared vocabulary crosses
// between the two.

#include <QtPlugin>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "conversion_setup.h"
#include "points.h"
#include "result.h"

namespace korv::convert {

struct FileConversionJob {
    ConversionSetup setup;
    std::string input;   // the file of points to read
    std::string output;  // the file to write; it takes its place only when complete
};

struct RefusedLineReason {
    std::uint64_t line = 0;                         // counted from 1
    ErrorCode reason = ErrorCode::kLineFieldCount;  // why it was refused
};

struct FileConversionReport {
    std::uint64_t points = 0;                       // lines that hold a point, converted or refused
    std::uint64_t refused = 0;                      // lines refused
    std::vector<RefusedLineReason> first_refusals;  // the first few refused lines, in order
    bool cancelled = false;  // then no output was written, and an earlier file is unchanged
};

// Called after each block of lines is written: the points so far, and the share of the input
// done (0 to 1), or a negative share when the input's size is unknown.
using FileConversionProgress = std::function<void(std::uint64_t points, double done)>;

class ConversionEngine {
public:
    virtual ~ConversionEngine() = default;

    // Converts every line of the input file into the output file, as quarrow-convert does, on
    // the calling thread; progress is reported on that thread. Setting `cancel`, from any thread,
    // stops the conversion: the output file is then not written. Nor is it when no point was
    // converted. An error when the output is the input (however named), the conversion cannot be
    // made, the input cannot be read or the output cannot be written; the output file then keeps
    // what it held.
    virtual Result<FileConversionReport> convert_file(const FileConversionJob& job,
                                                      const FileConversionProgress& progress,
                                                      const std::atomic<bool>& cancel) = 0;

    // Converts one point from `setup.from` to `setup.to` with the numbers a file conversion
    // gives it. An error when the conversion cannot be made (a coordinate system or the shift the
    // path needs is refused, or from equals to) or the point is refused on the way; its message
    // says why, in words marked for translation in the context "korv::FileConversion" for a
    // refused point. Any thread.
    virtual Result<PointCoordinates> convert_point(const ConversionSetup& setup,
                                                   const PointCoordinates& point) const = 0;

    // The published coordinate systems and datum shifts of the projection engine's database,
    // read on the first call that needs them; it lives as long as the engine.
    virtual const epsg::Catalogue& catalogue() const = 0;
};

}  // namespace korv::convert

#define KORV_CONVERSION_ENGINE_IID "org.halvern.Quarrow.ConversionEngine/1.0"
Q_DECLARE_INTERFACE(korv::convert::ConversionEngine, KORV_CONVERSION_ENGINE_IID)
