#include "datum_list_place.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "files.h"
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
            const QString user_list = QDir(user_data).filePath(kDatumFileName);
            const QString program_list = QDir(program).filePath(kDatumFileName);
            // A list kept beside the program before its folder became read-only, or shipped with
            // it, is where the user's list starts, so that none of its entries is lost.
            if (!QFileInfo::exists(user_list) && QFileInfo(program_list).isFile()) {
                copy_file(program_list.toStdString(), user_list.toStdString());
            }
            return user_list.toStdString();
        }
    }
    return QDir(program).filePath(kDatumFileName).toStdString();
}

}  // namespace korv
