#include "conversion_engine_binding.h"

#include <QJsonObject>
#include <QPluginLoader>

#include "program_folder.h"

namespace korv {
namespace {

const QString kLibraryName = QStringLiteral("QuarrowConvert");

Result<convert::ConversionEngine*> bind() {
    Error reason{ErrorCode::kEngineLibraryNotFound, {kLibraryName.toStdString()}};
    for (const QString& candidate : library_candidates(kLibraryName)) {
        // The loader's library stays loaded for the rest of the run.
        QPluginLoader loader(candidate);
        if (loader.fileName().isEmpty() ||
            loader.metaData().value(QStringLiteral("IID")).toString() !=
                QStringLiteral(KORV_CONVERSION_ENGINE_IID)) {
            continue;
        }
        if (auto* engine = qobject_cast<convert::ConversionEngine*>(loader.instance())) {
            return engine;
        }
        reason = Error{ErrorCode::kEngineLibraryNotLoaded,
                       {loader.fileName().toStdString(), loader.errorString().toStdString()}};
    }
    return reason;
}

}  // namespace

Result<convert::ConversionEngine*> conversion_engine() {
    // Bound once it succeeds; a failure is tried again at the next conversion.
    static convert::ConversionEngine* bound = nullptr;
    if (bound != nullptr) {
        return bound;
    }
    const Result<convert::ConversionEngine*> found = bind();
    if (found) {
        bound = *found;
    }
    return found;
}

}  // namespace korv
