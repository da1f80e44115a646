#include "control_factory.h"

#include <dlfcn.h>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QWidget>

#include "program_folder.h"

namespace korv {
namespace {

// The folder this library was loaded from: the control libraries are installed beside it.
QString library_folder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&create_control), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

CreateControlFunction find_library_function(const QString& library_name, QString& error) {
    const QStringList folders = {library_folder(), program_folder()};
    for (const QString& folder : folders) {
        if (folder.isEmpty()) {
            continue;
        }
        // Loaded libraries stay loaded for the process: their controls may live until it ends.
        QLibrary library(QDir(folder).filePath(library_name));
        if (!library.load()) {
            error = library.errorString();
            continue;
        }
        if (auto function =
                reinterpret_cast<CreateControlFunction>(library.resolve(kCreateControlFunction))) {
            return function;
        }
        error = QStringLiteral("%1 is not a control library").arg(library.fileName());
    }
    return nullptr;
}

}  // namespace

QWidget* create_control(const QString& class_name, QWidget* parent, QString* error) {
    QString reason;
    QWidget* control = nullptr;
    const QString library_name = class_name.section('.', 0, 0);
    if (library_name.isEmpty() || !class_name.contains('.')) {
        reason =
            QStringLiteral("\"%1\" is not a class name of the form Library.Class").arg(class_name);
    } else if (CreateControlFunction function = find_library_function(library_name, reason)) {
        control = function(class_name.toUtf8().constData(), parent);
        if (control == nullptr) {
            reason = QStringLiteral("%1 holds no control \"%2\"").arg(library_name, class_name);
        }
    } else {
        reason =
            QStringLiteral("The control library %1 cannot be loaded: %2").arg(library_name, reason);
    }
    if (error != nullptr) {
        *error = reason;
    }
    return control;
}

}  // namespace korv
