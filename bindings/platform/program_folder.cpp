#include "program_folder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace korv {
namespace {

QString& folder_override() {
    static QString folder;
    return folder;
}

}  // namespace

QString program_folder() {
    if (!folder_override().isEmpty()) {
        return folder_override();
    }
    if (QCoreApplication::instance() != nullptr) {
        return QCoreApplication::applicationDirPath();
    }
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
}

void set_program_folder(const QString& folder) {
    folder_override() = folder;
}

}  // namespace korv
