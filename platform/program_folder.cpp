#include "program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

// The library folder of an installed program, and the folder of the libraries only the program
// loads, relative to the program's own folder.
#ifndef KORV_RELATIVE_LIBRARY_FOLDER
#define KORV_RELATIVE_LIBRARY_FOLDER "../lib"
#endif
#ifndef KORV_RELATIVE_PRIVATE_LIBRARY_FOLDER
#define KORV_RELATIVE_PRIVATE_LIBRARY_FOLDER "../lib/quarrow"
#endif
// The interface version of the system's libraries, the last part of their file names.
#ifndef KORV_LIBRARY_VERSION
#define KORV_LIBRARY_VERSION "1"
#endif

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

QStringList library_candidates(const QString& library_name) {
    QStringList places = {QDir(program_folder()).filePath(library_name)};
    if (QCoreApplication::instance() != nullptr) {
        const QDir application(QCoreApplication::applicationDirPath());
        places << application.filePath(library_name)
               << application.filePath(QStringLiteral(KORV_RELATIVE_PRIVATE_LIBRARY_FOLDER "/") +
                                       library_name)
               << application.filePath(QStringLiteral(KORV_RELATIVE_LIBRARY_FOLDER "/") +
                                       library_name);
    }
    // Hosts find the control libraries among Qt's plugin paths; what they bind sits beside them.
    for (const QString& folder : QCoreApplication::libraryPaths()) {
        places << QDir(folder).filePath(library_name);
    }
    places << library_name;
    places.removeDuplicates();
    return places;
}

bool load_library(QLibrary& library, const QString& library_name, QString& reason) {
    for (const QString& candidate : library_candidates(library_name)) {
        for (const QString& version : {QStringLiteral(KORV_LIBRARY_VERSION), QString()}) {
            library.setFileNameAndVersion(candidate, version);
            if (library.load()) {
                return true;
            }
            reason = library.errorString();
        }
    }
    return false;
}

void set_program_folder(const QString& folder) {
    folder_override() = folder;
}

}  // namespace korv
