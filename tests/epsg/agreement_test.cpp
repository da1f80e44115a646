// The catalogue's definitions and shifts convert points as PROJ's own programs do from the same
// codes: cs2cs for systems, cct on the pipeline projinfo builds from proj.db for shifts.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <sstream>

#include "coordinate_system.h"
#include "datum_transformation.h"
#include "proj_database_catalogue.h"

namespace korv::epsg {
namespace {

const ProjDatabaseCatalogue& catalogue() {
    static const ProjDatabaseCatalogue installed;
    return installed;
}

// What a PROJ program writes for the lines given.
std::string output(const QString& program, const QStringList& arguments, const std::string& lines) {
    QProcess process;
    process.start(program, arguments);
    process.write(lines.data(), static_cast<qint64>(lines.size()));
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return process.readAllStandardOutput().toStdString();
}

// The numbers it writes.
std::vector<double> run(const QString& program, const QStringList& arguments,
                        const std::string& lines) {
    std::istringstream out(output(program, arguments, lines));
    std::vector<double> numbers;
    for (double number; out >> number;) {
        numbers.push_back(number);
    }
    return numbers;
}

geodesy::CoordinateSystem system_of(int32_t code) {
    const Result<CoordinateSystemDefinition> definition = catalogue().system_definition(code);
    EXPECT_TRUE(definition) << definition.message();
    return geodesy::CoordinateSystem::create(*definition).value();
}

struct GridCase {
    int32_t code;
    const char* geographic;  // the system's own geographic system, latitude first
    GeographicPoint point;
    bool north_first = false;  // the system's axes in that order, as cs2cs writes them
};

class FilledFromCode : public ::testing::TestWithParam<GridCase> {};

TEST_P(FilledFromCode, ProjectsAsCs2csFromTheCode) {
    const GridCase& c = GetParam();
    const GridPoint ours = *system_of(c.code).to_grid(c.point);
    std::ostringstream line;
    line.precision(12);
    line << c.point.latitude << " " << c.point.longitude << "\n";
    const std::vector<double> theirs =
        run("cs2cs", {"-d", "6", c.geographic, QString("EPSG:%1").arg(c.code)}, line.str());
    ASSERT_GE(theirs.size(), 2u);
    EXPECT_NEAR(ours.east, theirs[c.north_first ? 1 : 0], 1e-4);
    EXPECT_NEAR(ours.north, theirs[c.north_first ? 0 : 1], 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, FilledFromCode,
                         ::testing::Values(GridCase{28355, "EPSG:4283", {146.2, -36.7}},
                                           GridCase{2193, "EPSG:4167", {171.5, -43.5}, true},
                                           GridCase{3112, "EPSG:4283", {121.3, -25.1}},
                                           GridCase{3577, "EPSG:4283", {145.9, -30.2}},
                                           GridCase{32139, "EPSG:4269", {-98.1, 31.2}}));

struct ShiftCase {
    int32_t code;
    int32_t from;  // spheroid codes of its two datums
    int32_t to;
};

class ShiftFromDataset : public ::testing::TestWithParam<ShiftCase> {};

// To 1e-9 degrees; the same shift with its rotations turned the other way lies metres off.
TEST_P(ShiftFromDataset, MovesPointsAsCctOnProjsPipeline) {
    const ShiftCase& c = GetParam();
    const QStringList steps =
        QString::fromStdString(output("projinfo",
                                      {"-k", "operation", QString("EPSG:%1").arg(c.code), "-o",
                                       "PROJ", "-q", "--single-line"},
                                      ""))
            .trimmed()
            .split(' ');
    const DatumShift shift = catalogue().shift(c.code)->shift;
    DatumShift turned = shift;
    turned.rx = -turned.rx, turned.ry = -turned.ry, turned.rz = -turned.rz;
    const auto from = *find_spheroid(c.from), to = *find_spheroid(c.to);
    for (const GeographicPoint point : {GeographicPoint{144.96, -37.81}, {-1.5, 52.5}}) {
        const GeodeticPoint given{point, 150};
        const auto ours = geodesy::DatumTransformation::create(shift, from, to)->forward(given);
        const auto wrong = geodesy::DatumTransformation::create(turned, from, to)->forward(given);
        std::ostringstream line;
        line.precision(12);
        line << point.latitude << " " << point.longitude << " 150 0\n";
        const std::vector<double> theirs = run("cct", QStringList{"-d", "12"} + steps, line.str());
        ASSERT_GE(theirs.size(), 2u);
        EXPECT_NEAR(ours->position.latitude, theirs[0], 1e-9);
        EXPECT_NEAR(ours->position.longitude, theirs[1], 1e-9);
        if (turned.rz != 0) {
            EXPECT_GT(std::hypot(wrong->position.latitude - theirs[0],
                                 wrong->position.longitude - theirs[1]),
                      1e-5);  // about a metre
        }
    }
}

// Coordinate frame, the one in millimetres, milliarcseconds and parts per billion, position
// vector, three parameters.
INSTANTIATE_TEST_SUITE_P(Catalogue, ShiftFromDataset,
                         ::testing::Values(ShiftCase{1460, 1, 12}, ShiftCase{8048, 12, 12},
                                           ShiftCase{1314, 6, 20}, ShiftCase{1108, 1, 20}));

// GDA94 to GDA2020 on MGA zone 53 through the geodesy core agrees with cs2cs between the two
// systems' codes, which PROJ runs through EPSG:8048 too, within a millimetre.
TEST(Catalogue, Gda2020OnMgaZone53AsCs2cs) {
    const geodesy::CoordinateSystem gda94 = system_of(28353), gda2020 = system_of(7853);
    const geodesy::DatumTransformation shift =
        geodesy::DatumTransformation::create(catalogue().shift(8048)->shift, grs80(), grs80())
            .value();
    for (const GridPoint given : {GridPoint{500000, 7000000}, GridPoint{310000.5, 6100000.25}}) {
        const GeographicPoint on_gda94 = *gda94.to_geographic(given);
        const GeodeticPoint on_gda2020 = *shift.forward({on_gda94, 0});
        const GridPoint ours = *gda2020.to_grid(on_gda2020.position);
        std::ostringstream line;
        line.precision(12);
        line << given.east << " " << given.north << "\n";
        const std::vector<double> theirs =
            run("cs2cs", {"-d", "6", "EPSG:28353", "EPSG:7853"}, line.str());
        ASSERT_GE(theirs.size(), 2u);
        EXPECT_NEAR(ours.east, theirs[0], 1e-3);
        EXPECT_NEAR(ours.north, theirs[1], 1e-3);
    }
}

}  // namespace
}  // namespace korv::epsg
