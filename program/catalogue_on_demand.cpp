#include "catalogue_on_demand.h"

#include "conversion_engine_binding.h"
#include "unavailable_catalogue.h"

namespace korv {

CatalogueOnDemand::CatalogueOnDemand(QObject* parent) : QObject(parent) {}

CatalogueOnDemand::~CatalogueOnDemand() = default;

const epsg::Catalogue& CatalogueOnDemand::catalogue() {
    if (!in_use_) {
        in_use_ = true;
        emit inUse();  // those told may ask for the catalogue in turn
    }
    const Result<convert::ConversionEngine*> engine = conversion_engine();
    if (engine) {
        return (*engine)->catalogue();
    }
    // Kept for the run, so that what a list or line holds of it stays valid.
    if (!unavailable_) {
        unavailable_ = std::make_unique<UnavailableCatalogue>(engine.error());
    }
    return *unavailable_;
}

}  // namespace korv
