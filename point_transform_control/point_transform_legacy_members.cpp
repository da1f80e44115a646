// The PointTransform control's members as outside callers have always reached them: statuses,
// numbers by reference and file numbers, each a few lines over the control's typed members.

#include "error_message.h"
#include "file_numbers.h"
#include "message_box.h"
#include "point_transform.h"

namespace korv {
namespace {

PointPairs point_pairs(double gxmin, double gymin, double mxmin, double mymin, double gxmax,
                       double gymax, double mxmax, double mymax) {
    return {{gxmin, gymin}, {mxmin, mymin}, {gxmax, gymax}, {mxmax, mymax}};
}

}  // namespace

void PointTransform::clear_coord_transform(korv::CoordTransform& lCoordTransform) {
    korv::clear_coord_transform(lCoordTransform);
    stored_.second_point_defined = false;
}

void PointTransform::convert_transform(double& gxmin, double& gymin, double& mxmin, double& mymin,
                                       double& gxmax, double& gymax, double& mxmax, double& mymax,
                                       double& rotation, double& xscale, double& yscale,
                                       int32_t& ierr) {
    const Result<std::optional<TwoPointSolution>> solved = korv::convert_transform(
        point_pairs(gxmin, gymin, mxmin, mymin, gxmax, gymax, mxmax, mymax));
    if (!solved) {
        show_message(error_message(solved.error()));
    }
    ierr = solved && solved.value() ? 0 : -1;
    if (ierr == 0) {
        rotation = solved.value()->rotation;
        xscale = solved.value()->xscale;
        yscale = solved.value()->yscale;
    }
}

QString PointTransform::get_line(int32_t& fnum) {
    return QString::fromLatin1(korv::get_line(fnum));
}

QString PointTransform::get_line_ch(int32_t& fnum) {
    return QString::fromLatin1(korv::get_line_ch(fnum));
}

void PointTransform::load_coordinate_file(double& gxmin, double& gymin, double& xpmin,
                                          double& ypmin, double& gxmax, double& gymax,
                                          double& xpmax, double& ypmax, double& gzshift,
                                          double& gzscale, int32_t& ierr) {
    const std::optional<CoordinateFileValues> read = read_chosen_file();
    if (!read) {
        ierr = -1;
        return;
    }
    ierr = accept_file_baselines(read->points) ? 0 : -1;
    const PointPairs& p = read->points;
    gxmin = p.original_first.east;
    gymin = p.original_first.north;
    xpmin = p.new_first.east;
    ypmin = p.new_first.north;
    gxmax = p.original_second.east;
    gymax = p.original_second.north;
    xpmax = p.new_second.east;
    ypmax = p.new_second.north;
    gzshift = read->zshift;
    gzscale = read->zscale;
}

void PointTransform::load_transform_parameters() {
    show_transform();
}

void PointTransform::save_coordinate_file(double& gxmin, double& gymin, double& mxmin,
                                          double& mymin, double& gxmax, double& gymax,
                                          double& mxmax, double& mymax, double& zshift,
                                          double& zscale, int32_t& ierr) {
    const CoordinateFileValues values{
        point_pairs(gxmin, gymin, mxmin, mymin, gxmax, gymax, mxmax, mymax), zshift, zscale};
    ierr = save_to_chosen_file(values) ? 0 : -1;
}

void PointTransform::unload_transform_parameters(int32_t& ierr) {
    ierr = acceptEntries() ? 0 : -1;
}

int32_t PointTransform::getPointTransform(CoordTransform& trValue) {
    if (!acceptEntries()) {
        return -1;
    }
    trValue = stored_.record;
    return 0;
}

int32_t PointTransform::getPointTransform(QVariant& trValue) {
    return read_into_variant<CoordTransform>(
        trValue, [this](CoordTransform& record) { return getPointTransform(record); });
}

std::optional<QString> PointTransform::setPointTransform(const QVariant& trValue,
                                                         int32_t /*value*/) {
    std::optional<QString> error =
        type_mismatch<CoordTransform>(trValue, QStringLiteral("PointTransform"));
    if (!error) {
        setPointTransform(trValue.value<CoordTransform>());
    }
    return error;
}

}  // namespace korv
