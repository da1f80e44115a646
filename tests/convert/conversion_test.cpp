// The conversion engine against the test panel's own path: the geodesy library's C functions
// with the constants blocks CRDPRM derives, point for point, for every pair of the four points,
// with the shift either way, on the source's spheroid or a map spheroid of its own. Many small
// blocks on many workers, and reads that end mid-line, must not disturb a single line.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <random>

#include "fixed_text.h"
#include "korvutil32.h"
#include "stream_conversion.h"

namespace korv::convert {
namespace {

using Block = std::array<double, korvutil32::kConstantsSize>;

// AMG zone 55 on the given spheroid.
CoordinateSystemDefinition amg55(int32_t spheroid) {
    return {ProjectionKind::kAustralianMapGrid,
            spheroid,
            kSouthernHemisphere,
            -177,
            0,
            0,
            0,
            500000,
            10000000,
            0.9996,
            6,
            55};
}

Block constants_of(CoordinateSystemDefinition d) {
    int32_t projection = projection_number(d.projection);
    Block block{};
    CRDPRM(&d.spheroid, &projection, &d.hemisphere, &d.longitude_origin, &d.latitude_origin,
           &d.standard_parallel_1, &d.standard_parallel_2, &d.false_east, &d.false_north,
           &d.scale_factor, &d.zone_width, block.data());
    return block;
}

const DatumShift kAgd66{
    "AGD66 to GDA 94", -117.808, -51.536, 137.784, -0.303, -0.446, -0.234, -0.290};

struct Case {
    PointKind from;
    PointKind to;
    bool shift;
    int32_t map_spheroid;  // 1, the source's, as on the panel; or 12, GRS80
};

// The point along the panel's path, or nothing where the panel refuses it: a geographic point is
// read (-360..360, -89..89) before each projection or datum shift, and a failing call refuses.
std::optional<std::array<double, 3>> panel_path(std::array<double, 3> p, const Case& c) {
    Block source = constants_of(amg55(1));
    Block map = constants_of(amg55(c.map_spheroid));
    std::array<double, korvutil32::kWorkspaceSize> workspace{};
    DatumShift s = kAgd66;
    DEFINE_DATUM(&s.dx, &s.dy, &s.dz, &s.rx, &s.ry, &s.rz, &s.sc, workspace.data());
    auto readable = [&] { return std::fabs(p[0]) <= 360 && std::fabs(p[1]) <= 89; };
    if (is_geographic(c.from) && !readable()) {
        return std::nullopt;
    }
    int32_t zone = 55;
    const int to = static_cast<int>(c.to);
    const int step = static_cast<int>(c.from) < to ? 1 : -1;
    for (int at = static_cast<int>(c.from); at != to; at += step) {
        const int left = std::min(at, at + step);
        Block& side = left == 0 ? source : map;
        int32_t status = 0;
        if (left != 1 && (left == 0) == (step > 0)) {
            EN2LL(&p[0], &p[1], &zone, &p[0], &p[1], side.data(), &status);
        } else if (!readable()) {
            return std::nullopt;
        } else if (left != 1) {
            LL2EN(&p[0], &p[1], &zone, &p[0], &p[1], side.data(), &status);
        } else if (c.shift) {
            int32_t direction = step;
            std::array<double, 3> out = {NAN, NAN, NAN};
            CONVERT_DATUM(&direction, &p[0], &p[1], &p[2], (step > 0 ? source : map).data(),
                          &out[0], &out[1], &out[2], (step > 0 ? map : source).data(),
                          workspace.data());
            status = std::isnan(out[0]) ? -1 : 0;
            p = out;
        }
        if (status != 0) {
            return std::nullopt;
        }
    }
    return p;
}

std::string fixed(double value, int decimals) {
    char text[kLongestFixedText];
    return std::string(text, write_fixed(text, value, decimals));
}

class TextSource : public ByteSource {
public:
    explicit TextSource(std::string text) : text_(std::move(text)) {}
    // A few hundred bytes at a time, so reads end in the middle of lines.
    Result<std::size_t> read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min({size, text_.size() - at_, std::size_t{333}});
        std::memcpy(buffer, text_.data() + at_, count);
        at_ += count;
        return count;
    }

private:
    std::string text_;
    std::size_t at_ = 0;
};

class TextSink : public ByteSink {
public:
    Status write(std::string_view bytes) override {
        text += bytes;
        return kSuccess;
    }
    std::string text;
};

class PanelPath : public ::testing::TestWithParam<Case> {};

TEST_P(PanelPath, EveryPointGivesThePanelsNumbersOrIsRefusedAsThere) {
    const Case c = GetParam();
    ConversionSetup setup{amg55(1), amg55(c.map_spheroid), DatumShift{}, c.from, c.to};
    if (c.shift) {
        setup.shift = kAgd66;
    }
    const Result<Conversion> conversion = Conversion::create(setup);
    ASSERT_TRUE(conversion) << conversion.message();

    // Points over Australia, every third with a height, and points the panel refuses: beyond
    // 89 degrees, beyond 360, far outside the projection's belt.
    std::vector<std::array<double, 3>> points;
    for (double lon = 138; lon <= 156; lon += 0.61) {
        for (double lat = -45; lat <= -8; lat += 1.27) {
            points.push_back({lon, lat, points.size() % 3 == 0 ? 123.456 : 0.0});
        }
    }
    points.push_back({147, 89, 0});
    if (is_geographic(c.from)) {
        points.push_back({147, 89.5, 0});
        points.push_back({400, -30, 0});
    } else {
        for (auto& p : points) {
            p = panel_path(p, {PointKind::kSourceGeographic, PointKind::kSourceGrid, false, 1})
                    .value_or(p);
        }
        points.push_back({2e7, 5e6, 0});
        points.push_back({-2e7, 1e9, 0});
    }

    const int decimals = is_geographic(c.to) ? 9 : 4;
    std::string input, expected;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool height = i % 3 == 0;
        // Both paths start from the doubles the text reads as.
        std::array<double, 3> p{};
        const std::string texts[3] = {fixed(points[i][0], 9), fixed(points[i][1], 9),
                                      height ? fixed(points[i][2], 4) : "0"};
        for (int k = 0; k < 3; ++k) {
            std::from_chars(texts[k].data(), texts[k].data() + texts[k].size(), p[k]);
        }
        input += texts[0] + " " + texts[1] + (height ? " " + texts[2] : "") + "\n";
        const std::optional<std::array<double, 3>> out = panel_path(p, c);
        expected += out ? fixed((*out)[0], decimals) + " " + fixed((*out)[1], decimals)
                        : std::string("* *");
        expected += height ? " " + (out ? fixed((*out)[2], 4) : std::string("*")) : "";
        expected += "\n";
    }
    TextSource source(input);
    TextSink sink;
    StreamOptions options;
    options.threads = 64;  // many workers make small blocks of a few hundred lines
    const Result<Summary> summary = convert_stream(*conversion, source, sink, options);
    ASSERT_TRUE(summary) << summary.message();
    EXPECT_EQ(sink.text, expected);
    EXPECT_GT(summary->points, 500U);
    EXPECT_GE(summary->refused, 2U);
}

std::vector<Case> all_pairs() {
    std::vector<Case> cases;
    for (int from = 0; from < 4; ++from) {
        for (int to = 0; to < 4; ++to) {
            if (from != to) {
                for (const auto& [shift, spheroid] : {std::pair{true, 1}, {true, 12}, {false, 1}}) {
                    cases.push_back({static_cast<PointKind>(from), static_cast<PointKind>(to),
                                     shift, spheroid});
                }
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(FourPoints, PanelPath, ::testing::ValuesIn(all_pairs()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = std::string(point_kind_name(info.param.from)) +
                                                "_to_" +
                                                std::string(point_kind_name(info.param.to)) +
                                                (info.param.shift ? "_shift_on_" : "_no_shift_") +
                                                std::to_string(info.param.map_spheroid);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// Cancelled before the conversion starts, or once the input's end was read but before its last
// block was written: nothing is written and the summary says cancelled.
class EndCancels : public TextSource {
public:
    EndCancels(std::string text, std::atomic<bool>& cancel)
        : TextSource(std::move(text)), cancel_(cancel) {}
    Result<std::size_t> read(char* buffer, std::size_t size) override {
        Result<std::size_t> got = TextSource::read(buffer, size);
        cancel_ = cancel_ || (got && *got == 0);
        return got;
    }

private:
    std::atomic<bool>& cancel_;
};

TEST(StreamConversion, CancelledWritesNothing) {
    ConversionSetup setup{amg55(1), amg55(1), kAgd66, PointKind::kSourceGrid,
                          PointKind::kMapGeographic};
    const Result<Conversion> conversion = Conversion::create(setup);
    ASSERT_TRUE(conversion);
    for (const bool at_once : {true, false}) {
        std::atomic<bool> cancel{at_once};
        EndCancels source("320000 5810000\n", cancel);
        TextSink sink;
        StreamOptions options;
        options.cancel = &cancel;
        const Result<Summary> summary = convert_stream(*conversion, source, sink, options);
        ASSERT_TRUE(summary);
        EXPECT_TRUE(summary->cancelled);
        EXPECT_EQ(sink.text, "");
    }
}

}  // namespace
}  // namespace korv::convert
