#include "datum_list_place.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "program_folder.h"

namespace korv {
namespace {

const QString kDatumFileName = QStringLiteral("datum.csv");

// Tried rather than judged from the folder's permissions: an administrator may write where the
// permissions say no, and nobody writes to a read-only mount where they say yes.
bool can_make_files_in(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("datum.csv.probe.XXXXXX")));
    return probe.open();  // removed again when `probe` goes
}

}  // namespace

void set_application_names() {
    QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
    QCoreApplication::setApplicationName(QStringLiteral("Quarrow"));
}

std::string datum_list_path() {
    const QString program = program_folder();
    if (!can_make_files_in(program)) {
        const QString user_data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!user_data.isEmpty() && QDir().mkpath(user_data)) {
            return QDir(user_data).filePath(kDatumFileName).toStdString();
        }
    }
    return QDir(program).filePath(kDatumFileName).toStdString();
}

}  // namespace korv
