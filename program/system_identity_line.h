#pragma once
// The line under the Projection control: every published EPSG system the definition in its
// entries is ("EPSG:20255 AGD66 / AMG zone 55, EPSG:20355 AGD84 / AMG zone 55"), or that none is.
// It follows each edit and each definition the control is given.

#include "identity_line.h"

namespace korv {

class SystemIdentityLine : public IdentityLine {
    Q_OBJECT

public:
    // `control` is the Projection control, reached by its members' names; null when there is none.
    SystemIdentityLine(CatalogueOnDemand& catalogue, QWidget* control, QWidget* parent = nullptr);

private:
    bool has_subject() const override { return control_ != nullptr; }
    QString identity(const epsg::Catalogue& catalogue) const override;

    QWidget* control_;
};

}  // namespace korv
