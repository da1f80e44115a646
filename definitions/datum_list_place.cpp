#include "datum_list_place.h"

#include <QDir>

#include "program_folder.h"

namespace korv {

std::string datum_list_path() {
    return QDir(program_folder()).filePath(QStringLiteral("datum.csv")).toStdString();
}

}  // namespace korv
