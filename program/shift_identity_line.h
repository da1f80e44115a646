#pragma once
// The line under the datum shift drop-down: the published transformation the shift's seven values
// are, with its accuracy and area of use ("EPSG:15979 · 3 m · Australia - offshore"), or "not a
// published transformation". Nothing for "None".

#include <functional>
#include <optional>

#include "datum_shift.h"
#include "identity_line.h"

namespace korv {

class ShiftIdentityLine : public IdentityLine {
    Q_OBJECT

public:
    // `shift` gives the shift as it stands; nothing while no shift is chosen.
    ShiftIdentityLine(CatalogueOnDemand& catalogue,
                      std::function<std::optional<DatumShift>()> shift, QWidget* parent = nullptr);

private:
    bool has_subject() const override { return shift_().has_value(); }
    QString identity(const epsg::Catalogue& catalogue) const override;

    std::function<std::optional<DatumShift>()> shift_;
};

}  // namespace korv
