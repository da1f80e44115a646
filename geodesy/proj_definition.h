// Text definitions of projection engine operations, built from numbers.
#pragma once

#include <string>
#include <string_view>

#include "spheroids.h"

namespace korv::geodesy {

// A number in the shortest text that reads back to the same double, "." as decimal point.
std::string number_text(double value);

// Builds a definition such as "+proj=tmerc +lat_0=0 +k_0=0.9996 ...". Numbers are written in the
// shortest form that reads back to the same double, always with "." as decimal point whatever the
// process locale (a host application may have switched LC_NUMERIC to a comma locale).
class ProjDefinition {
public:
    explicit ProjDefinition(std::string_view operation);

    ProjDefinition& flag(std::string_view name);
    ProjDefinition& parameter(std::string_view name, std::string_view value);
    ProjDefinition& parameter(std::string_view name, double value);
    // The ellipsoid as explicit figures: +a with +rf, or +a with +b.
    ProjDefinition& ellipsoid(const Spheroid& spheroid);
    // Appends `operation` as the next step of a pipeline ("+proj=pipeline"), run backwards when
    // `inverse` is set.
    ProjDefinition& step(const ProjDefinition& operation, bool inverse = false);

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace korv::geodesy
