#include "file_converter_binding.h"

#include <QJsonObject>
#include <QPluginLoader>

#include "program_folder.h"

namespace korv {
namespace {

const QString kLibraryName = QStringLiteral("QuarrowConvert");

Result<convert::FileConverter*> bind() {
    QString reason = QStringLiteral("the library %1 cannot be found").arg(kLibraryName);
    for (const QString& candidate : library_candidates(kLibraryName)) {
        // The loader's library stays loaded for the rest of the run.
        QPluginLoader loader(candidate);
        if (loader.fileName().isEmpty() ||
            loader.metaData().value(QStringLiteral("IID")).toString() !=
                QStringLiteral(KORV_FILE_CONVERTER_IID)) {
            continue;
        }
        if (auto* converter = qobject_cast<convert::FileConverter*>(loader.instance())) {
            return converter;
        }
        reason = QStringLiteral("the library %1 cannot be loaded: %2")
                     .arg(loader.fileName(), loader.errorString());
    }
    return Error{reason.toStdString()};
}

}  // namespace

Result<convert::FileConverter*> file_converter() {
    // Bound once it succeeds; a failure is tried again at the next conversion.
    static convert::FileConverter* bound = nullptr;
    if (bound != nullptr) {
        return bound;
    }
    const Result<convert::FileConverter*> found = bind();
    if (found) {
        bound = *found;
    }
    return found;
}

}  // namespace korv
