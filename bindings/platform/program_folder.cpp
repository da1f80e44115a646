#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>

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
    // Without an application object the program's own path is unknown: the folder it was
    // started in stands in.
    return QDir::currentPath();
}

void set_program_folder(const QString& folder) {
    folder_override() = folder;
}

}  // namespace korv
