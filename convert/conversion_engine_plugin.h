#pragma once
// The plugin object of the library "QuarrowConvert": the conversion engine the dialog binds by
// name on first use, for files, the test panel's points and the EPSG catalogue.

#include <QObject>

#include "conversion_engine.h"
#include "proj_database_catalogue.h"

namespace korv::convert {

class ConversionEnginePlugin : public QObject, public ConversionEngine {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KORV_CONVERSION_ENGINE_IID)
    Q_INTERFACES(korv::convert::ConversionEngine)

public:
    Result<FileConversionReport> convert_file(const FileConversionJob& job,
                                              const FileConversionProgress& progress,
                                              const std::atomic<bool>& cancel) override;
    Result<PointCoordinates> convert_point(const ConversionSetup& setup,
                                           const PointCoordinates& point) const override;
    const epsg::Catalogue& catalogue() const override { return catalogue_; }

private:
    epsg::ProjDatabaseCatalogue catalogue_;  // the database PROJ itself uses
};

}  // namespace korv::convert
