// The converter's reading of blocks and lines on any bytes: byte order marks, carriage returns,
// NULs, long lines, every separator, in reads that end anywhere. Every input line gives one output
// line with the same line end, and a line of blanks or a comment comes out as it went in. Lines
// built of a label, values and a comment keep the label and the comment and are converted.

#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "stream_conversion.h"

namespace {

using namespace korv;
using namespace korv::convert;

const Conversion& grid_to_geographic() {
    static const Conversion conversion = [] {
        const CoordinateSystemDefinition amg55{.projection = ProjectionKind::kAustralianMapGrid,
                                               .spheroid = 1,
                                               .hemisphere = kSouthernHemisphere,
                                               .longitude_origin = -177,
                                               .false_east = 500000,
                                               .false_north = 10000000,
                                               .scale_factor = 0.9996,
                                               .zone_width = 6,
                                               .zone_number = 55};
        return *Conversion::create(
            {amg55, amg55, DatumShift{}, PointKind::kSourceGrid, PointKind::kSourceGeographic});
    }();
    return conversion;
}

class Reads : public ByteSource {
public:
    Reads(std::string_view text, std::size_t step) : text_(text), step_(step) {}
    Result<std::size_t> read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min({size, step_, text_.size()});
        text_.copy(buffer, count);
        text_.remove_prefix(count);
        return count;
    }

private:
    std::string_view text_;
    std::size_t step_;
};

class Text : public ByteSink {
public:
    Status write(std::string_view bytes) override {
        text += bytes;
        return kSuccess;
    }
    std::string text;
};

struct Line {
    std::string_view text;
    std::string_view end;  // "\n", "\r\n", "\r" or nothing
};

// A text's lines, a byte order mark at its start left out.
std::vector<Line> lines_of(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<Line> lines;
    while (!text.empty()) {
        const std::size_t at = std::min(text.find_first_of("\r\n"), text.size());
        const std::size_t end_size = at == text.size() ? 0 : text.substr(at, 2) == "\r\n" ? 2 : 1;
        lines.push_back({text.substr(0, at), text.substr(at, end_size)});
        text.remove_prefix(at + end_size);
    }
    return lines;
}

// Lines of a label, two or three values in the zone's belt and perhaps a comment, each part
// chosen by a byte.
using Parts = std::vector<std::pair<std::string, std::string>>;  // each line's label and comment

std::string built_lines(std::string_view bytes, bool labelled, Parts& parts) {
    static const char* const kLabels[] = {"", "P1", "Trig Station A", "Bench mark", "Pt  x"};
    static const char* const kSeparators[] = {" ", "\t", ",", ";", ",\t", " ; ", "  "};
    static const char* const kEnds[] = {"\n", "\r\n", "\r"};
    std::string text;
    for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
        const auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
        const std::string label = labelled && at(0) % 5 == 0 ? "L" : kLabels[at(0) % 5];
        const std::string separator = kSeparators[at(1) % 7];
        std::string line = label + (label.empty() ? "" : separator) +
                           std::to_string(300000 + at(2) * 997) + separator +
                           std::to_string(5800000 + at(3) * 991);
        line += at(0) & 8 ? separator + std::to_string(at(1) - 100) : "";
        const std::string comment =
            at(0) & 16 ? std::string(" # from ") + static_cast<char>('a' + at(3) % 26) : "";
        parts.push_back({label, comment});
        text += line + comment + kEnds[at(2) % 3];
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    StreamOptions options;
    options.format.labels = (data[0] & 1) != 0;
    options.format.dialog_angles = (data[0] & 2) != 0;
    options.format.header = static_cast<HeaderReading>(data[0] / 4 % 3);
    options.threads = 1 + data[1] % 8;
    const bool built = (data[0] & 0x80) != 0;
    Parts parts;
    std::string input =
        built ? built_lines(bytes, options.format.labels, parts) : std::string(bytes);
    input.insert(0, built && (data[1] & 0x80) != 0 ? "\xEF\xBB\xBF" : "");

    Reads source(input, 1 + data[1] * 37);
    Text sink;
    const Result<Summary> summary = convert_stream(grid_to_geographic(), source, sink, options);
    KORV_FUZZ_REQUIRE(summary.ok(), "a conversion of any bytes ends");
    KORV_FUZZ_REQUIRE(sink.text.starts_with("\xEF\xBB\xBF") == input.starts_with("\xEF\xBB\xBF"),
                      "a byte order mark is kept");
    const std::vector<Line> in = lines_of(input), out = lines_of(sink.text);
    KORV_FUZZ_REQUIRE(in.size() == out.size() && summary->lines == in.size(),
                      "as many output lines as input lines");
    for (std::size_t i = 0; i < in.size(); ++i) {
        KORV_FUZZ_REQUIRE_SAME(out[i].end, in[i].end, "each line keeps its line end");
        const std::size_t first = in[i].text.find_first_not_of(" \t");
        if (first == std::string_view::npos || in[i].text[first] == '#') {
            KORV_FUZZ_REQUIRE_SAME(out[i].text, in[i].text, "blank and comment lines pass");
        }
        if (built && !(i == 0 && options.format.header == HeaderReading::kFirstLine)) {
            KORV_FUZZ_REQUIRE(
                out[i].text.starts_with(parts[i].first) && out[i].text.ends_with(parts[i].second),
                "a label and a comment are kept");
            KORV_FUZZ_REQUIRE(out[i].text.find('*') == std::string_view::npos,
                              "a point in the belt is converted");
        }
    }
    return 0;
}
