#include "file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace korv {
namespace {

FileDialogFunction& dialog_override() {
    static FileDialogFunction dialog;
    return dialog;
}

std::optional<QString> run_file_dialog(const FileDialogRequest& request) {
    QFileDialog dialog(nullptr, request.title, QString(), request.filter);
    const bool saving = request.kind == FileDialogRequest::Kind::kSave;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.default_suffix);
    if (!request.file_name.isEmpty() && !request.file_name.contains('*')) {
        dialog.selectFile(request.file_name);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

}  // namespace

FileDialogFunction set_file_dialog(FileDialogFunction dialog) {
    FileDialogFunction previous = std::move(dialog_override());
    dialog_override() = std::move(dialog);
    return previous;
}

std::optional<QString> choose_file(const FileDialogRequest& request) {
    std::optional<QString> chosen =
        dialog_override() ? dialog_override()(request) : run_file_dialog(request);
    if (chosen && chosen->isEmpty()) {
        return std::nullopt;
    }
    if (chosen && request.kind == FileDialogRequest::Kind::kSave &&
        !request.default_suffix.isEmpty() && QFileInfo(*chosen).suffix().isEmpty()) {
        *chosen += "." + request.default_suffix;
    }
    return chosen;
}

QString dialog_filter(const QString& pipe_filter) {
    const QStringList parts = pipe_filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (description.contains('(')) {
            filters << description;
        } else {
            filters << description + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
        }
    }
    return filters.join(";;");
}

}  // namespace korv
