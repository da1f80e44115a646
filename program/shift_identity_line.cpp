#include "shift_identity_line.h"

#include "catalogue_texts.h"

namespace korv {

ShiftIdentityLine::ShiftIdentityLine(CatalogueOnDemand& catalogue,
                                     std::function<std::optional<DatumShift>()> shift,
                                     QWidget* parent)
    : IdentityLine(catalogue,
                   {QStringLiteral("Label_epsg_shift"), QStringLiteral("Command_look_up_shift"),
                    tr("Published transformation of this datum shift")},
                   parent),
      shift_(std::move(shift)) {}

QString ShiftIdentityLine::identity(const epsg::Catalogue& catalogue) const {
    if (const auto shifts = catalogue.shifts(); !shifts) {
        return not_identified(shifts.error());
    }
    const std::optional<DatumShift> shift = shift_();
    return shift ? shift_identity(catalogue.identify_shift(*shift)) : QString();
}

}  // namespace korv
