#pragma once
// The EPSG catalogue as the dialog reaches it: through the conversion engine, bound by name the
// first time a feature asks for the catalogue, never at start-up. The lines that identify the
// definition and the datum shift follow every change on their own only once the catalogue is in
// use; until then they offer to look it up.

#include <QObject>
#include <memory>

#include "catalogue.h"

namespace korv {

class CatalogueOnDemand : public QObject {
    Q_OBJECT

public:
    explicit CatalogueOnDemand(QObject* parent = nullptr);
    ~CatalogueOnDemand() override;

    // The conversion engine's catalogue, binding the engine on the first call; when the engine
    // cannot be bound, a catalogue that answers every question with the reason (binding is tried
    // again at the next call).
    const epsg::Catalogue& catalogue();

    // Whether catalogue() has been called.
    bool in_use() const { return in_use_; }

signals:
    // The first call of catalogue() is being made: whatever shows the catalogue may now use it.
    void inUse();

private:
    bool in_use_ = false;
    std::unique_ptr<epsg::Catalogue> unavailable_;
};

}  // namespace korv
