#include "catalogue_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "error_message.h"

namespace korv {
namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("korv::CatalogueTexts", text);
}

}  // namespace

QString dataset_unavailable(const Error& reason) {
    return QCoreApplication::translate("korv::CatalogueTexts",
                                       "the EPSG dataset is not available (%1)")
        .arg(error_message(reason));
}

QString accuracy_text(std::optional<double> accuracy) {
    return accuracy ? QCoreApplication::translate("korv::CatalogueTexts", "%1 m")
                          .arg(QString::number(*accuracy, 'g', 6))
                    : translated(QT_TRANSLATE_NOOP("korv::CatalogueTexts", "unknown"));
}

QString deprecated_text(bool deprecated) {
    return deprecated ? translated(QT_TRANSLATE_NOOP("korv::CatalogueTexts", "yes")) : QString();
}

QString shift_identity(const std::vector<epsg::PublishedShift>& identified) {
    if (identified.empty()) {
        return translated(
            QT_TRANSLATE_NOOP("korv::CatalogueTexts", "not a published transformation"));
    }
    const epsg::PublishedShift& best = identified.front();
    return QStringLiteral("EPSG:%1 · %2 · %3")
        .arg(best.code)
        .arg(accuracy_text(best.accuracy), QString::fromStdString(best.area.name));
}

QString system_identity(const std::vector<epsg::PublishedSystem>& matching) {
    if (matching.empty()) {
        return translated(QT_TRANSLATE_NOOP("korv::CatalogueTexts", "no published EPSG system"));
    }
    QStringList systems;
    for (const epsg::PublishedSystem& system : matching) {
        systems << QStringLiteral("EPSG:%1 %2")
                       .arg(system.code)
                       .arg(QString::fromStdString(system.name));
    }
    return systems.join(QStringLiteral(", "));
}

}  // namespace korv
